// One QApplication for all the Qt tests of the painter, torn down before
// the process exits so that Qt's own objects go first.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace torvel {
namespace {

class QtApplication : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "button_paint_qt_test";
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
