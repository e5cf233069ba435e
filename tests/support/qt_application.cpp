// One QApplication for a whole Qt test program, torn down before the process
// exits so that Qt's own objects go first. Linked into every Qt test binary.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace torvel {
namespace {

class QtApplication : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "torvel_qt_test";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
};

[[maybe_unused]] ::testing::Environment* const kQtApplication = ::testing::AddGlobalTestEnvironment(new QtApplication);

}  // namespace
}  // namespace torvel
