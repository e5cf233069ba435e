// Dragging the frameless main window by its own surface.
#include <gtest/gtest.h>

#include <QTest>

#include "windows/frmtorvel.h"
#include "windows_test_support.h"

namespace torvel::test {
namespace {

class DragTest : public ::testing::Test {
protected:
    DragTest() : window(messages, names, random) {}

    void SetUp() override {
        ASSERT_TRUE(window.Form_Load());
        window.move(100, 100);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // What the pointer presses at a point of the window: the control there,
    // or the window itself where only its surface and shapes are.
    QWidget* Under(QPoint point) {
        QWidget* const child = window.childAt(point);
        return child ? child : &window;
    }

    // Presses at `from`, moves the pointer by `by` in two steps and releases;
    // returns how far the window went. The pointer's path is fixed on the
    // screen, wherever the window goes meanwhile.
    QPoint Drag(QPoint from, QPoint by, Qt::MouseButton button) {
        const QPoint before = window.pos();
        QWidget* const target = Under(from);
        const QPoint start = window.mapToGlobal(from);
        QTest::mousePress(target, button, {}, target->mapFromGlobal(start));
        QTest::mouseMove(target, target->mapFromGlobal(start + by / 2));
        QTest::mouseMove(target, target->mapFromGlobal(start + by));
        QTest::mouseRelease(target, button, {}, target->mapFromGlobal(start + by));
        return window.pos() - before;
    }

    GameFolder folder;
    RecordingMessageBox messages;
    ScriptedNameDialog names;
    ScriptedRandom random;
    frmtorvel window;
};

TEST_F(DragTest, APressOnThePanelOrTheBackgroundMovesTheWindowWithThePointer) {
    struct Case {
        const char* where;
        QPoint from;
        Qt::MouseButton button;
    };
    const Case cases[] = {
        {"panel", QPoint(20, 250), Qt::LeftButton},
        {"inside an outline", QPoint(200, 245), Qt::RightButton},
        {"background above the panel", QPoint(300, 8), Qt::MiddleButton},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.where);
        ASSERT_EQ(Under(test.from), &window);
        EXPECT_EQ(Drag(test.from, QPoint(40, -25), test.button), QPoint(40, -25));
    }
    // After the release, moving the pointer moves nothing.
    const QPoint before = window.pos();
    QTest::mouseMove(&window, QPoint(60, 60));
    EXPECT_EQ(window.pos(), before);
}

TEST_F(DragTest, APressOnALabelFieldOrListDoesNotMoveTheWindow) {
    const struct {
        const char* name;
        QPoint at;
    } controls[] = {{"Label1", QPoint(200, 30)},
                    {"Label8", QPoint(280, 310)},
                    {"Label2", QPoint(110, 245)},
                    {"Text1", QPoint(60, 62)}};
    for (const auto& control : controls) {
        SCOPED_TRACE(control.name);
        ASSERT_EQ(Under(control.at)->objectName(), QString::fromLatin1(control.name));
        EXPECT_EQ(Drag(control.at, QPoint(40, 30), Qt::LeftButton), QPoint(0, 0));
    }
}

}  // namespace
}  // namespace torvel::test
