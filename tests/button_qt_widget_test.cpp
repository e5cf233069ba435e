// The button widget, headless: Qt input drives the model, the painter's
// surface shows each state, and the XPButton is shaped.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <vector>

#include "button/paint/system_palette.h"
#include "button/paint/xp_skin.h"
#include "button/qt/qt_sound_player.h"
#include "button/qt/vantor_button.h"
#include "button_qt_widget_access.h"

namespace torvel {
namespace {

using testing::ModelOf;
using testing::PainterOf;

class WidgetTest : public ::testing::Test {
protected:
    // An XPButton of 120 x 29 in a shown window.
    VantorButton& ShownXPButton() {
        m_window.resize(200, 100);
        auto* button = new VantorButton(m_sound, Picture{}, &m_window);
        ModelOf(*button).SetButtonStyle(XPButton);
        ModelOf(*button).SetCaption("Старт");
        button->setGeometry(10, 10, 120, 29);
        m_window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&m_window));
        return *button;
    }

    // The colour of gradient row 14 of the skin, pressed or not.
    static Colour Row14(SkinState state) {
        return SkinRowColour(state, ResolveColor(SystemColour(COLOR_BTNFACE)), 29, 14);
    }

    QtSoundPlayer m_sound;
    QWidget m_window;
};

TEST_F(WidgetTest, PressAndReleaseInsideClickOnceShowingThePressedLookBetween) {
    VantorButton& button = ShownXPButton();
    QSignalSpy clicks(&button, &VantorButton::Click);
    // Events with reference arguments are counted by a handler of our own.
    int downs = 0;
    QObject::connect(&button, &VantorButton::MouseDown, [&downs](qint16&, qint16&, float&, float&) { ++downs; });
    EXPECT_EQ(PainterOf(button).surface().pixel(8, 14), Row14(SkinState::Rest));

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(60, 14));
    EXPECT_EQ(ModelOf(button).pressed(), 1);
    EXPECT_EQ(PainterOf(button).surface().pixel(8, 14), Row14(SkinState::Pressed));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(downs, 1);

    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(60, 14));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(ModelOf(button).pressed(), 0);
    EXPECT_NE(PainterOf(button).surface().pixel(8, 14), Row14(SkinState::Pressed));

    // A release outside does not click; the right button never does.
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(60, 14));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(300, 14));
    QTest::mouseClick(&button, Qt::RightButton, {}, QPoint(60, 14));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(WidgetTest, SpaceAndFocusReachTheModel) {
    VantorButton& button = ShownXPButton();
    QSignalSpy clicks(&button, &VantorButton::Click);
    button.setFocus();
    QApplication::processEvents();
    EXPECT_EQ(ModelOf(button).focused(), 1);
    QTest::keyPress(&button, Qt::Key_Space);
    EXPECT_EQ(ModelOf(button).pressed(), 1);
    EXPECT_EQ(PainterOf(button).surface().pixel(8, 14), Row14(SkinState::Pressed));
    QTest::keyRelease(&button, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(WidgetTest, AnXPButtonIsShapedWithTwelvePixelsCut) {
    VantorButton& button = ShownXPButton();
    const QRegion mask = button.mask();
    int pixels = 0;
    for (int y = 0; y < 29; ++y) {
        for (int x = 0; x < 120; ++x) pixels += mask.contains(QPoint(x, y)) ? 1 : 0;
    }
    EXPECT_EQ(pixels, 120 * 29 - 12);
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(119, 27)));

    // Too small a button grows back to ten pixels a side.
    button.resize(4, 29);
    QApplication::processEvents();
    EXPECT_EQ(button.width(), 10);
    EXPECT_EQ(PainterOf(button).surface().width(), 10);
}

TEST_F(WidgetTest, AssigningBackColorItsOwnValueStillClearsTheSurfaceToIt) {
    // An XPToolbar hover leaves its fill as the surface colour; a Standard
    // button at rest keeps showing it until BackColor is assigned, even the
    // value it already has.
    m_window.resize(200, 100);
    auto* button = new VantorButton(m_sound, Picture{}, &m_window);
    VantorButtonModel& model = ModelOf(*button);
    model.SetSoundOver("");
    model.SetCaption("");
    model.SetButtonStyle(XPToolbar);
    button->setGeometry(10, 10, 60, 25);
    m_window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    const Colour face = ResolveColor(SystemColour(COLOR_BTNFACE));
    struct Step {
        const char* name;
        std::function<void()> act;
        Colour expected;
    };
    const Step steps[] = {
        {"hovered", [&] { model.OnMouseMove(0, 0, 10, 10); }, Rgb(220, 255, 255)},
        {"Standard", [&] { model.SetButtonStyle(Standard); }, Rgb(220, 255, 255)},
        {"at rest", [&] { model.OnOverTimerTick(); }, Rgb(220, 255, 255)},
        {"BackColor assigned its value", [&] { model.SetBackColor(model.BackColor()); }, face},
        {"repainted", [&] { button->Refresh(); }, face},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(PainterOf(*button).surface().pixel(10, 10), step.expected) << step.name;
    }
    EXPECT_EQ(model.hovered(), 0);
}

TEST_F(WidgetTest, TheHandCursorHasItsHotSpotAtTheTopLeft) {
    Image hand{32, 32, std::vector<std::uint32_t>(32 * 32, 0xFFFFFFFFu)};
    VantorButton button(m_sound, Picture::FromImage(Picture::Type::Icon, hand));
    EXPECT_EQ(button.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(button.cursor().hotSpot(), QPoint(0, 0));
    ModelOf(button).SetMousePointer(0);
    EXPECT_EQ(button.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(WidgetTest, ATransparentButtonShowsThePartOfItsParentsPictureUnderIt) {
    QImage picture(200, 100, QImage::Format_RGB32);
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 200; ++x) picture.setPixel(x, y, qRgb(x, y, 77));
    }
    QPalette palette = m_window.palette();
    palette.setBrush(QPalette::Window, QBrush(picture));
    m_window.setPalette(palette);
    m_window.resize(200, 100);
    auto* button = new VantorButton(m_sound, Picture{}, &m_window);
    ModelOf(*button).SetCaption("");
    ModelOf(*button).SetTransparentBG(true);
    button->setGeometry(30, 20, 60, 25);
    m_window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    button->Refresh();
    EXPECT_EQ(PainterOf(*button).surface().pixel(5, 6), Rgb(35, 26, 77));

    // An explicit picture takes the place of the window brush's.
    picture.fill(qRgb(9, 8, 7));
    button->SetParentPicture(picture);
    EXPECT_EQ(PainterOf(*button).surface().pixel(5, 6), Rgb(9, 8, 7));
}

TEST(WidgetLifetime, AButtonDeletedByAHandlerOrDuringItsYieldIsNotTouchedAgain) {
    enum class Input { Click, KeyWithText, HoverEntry };
    struct Row {
        const char* how;
        Input input;
        bool wholeWindow;  // the handler deletes the button's window, and so the button
    };
    const Row rows[] = {
        {"Click deletes the button", Input::Click, false},
        {"Click deletes the window", Input::Click, true},
        {"KeyDown deletes the button before KeyPress", Input::KeyWithText, false},
        {"input during the hover entry's yield deletes the button", Input::HoverEntry, false},
        {"input during the hover entry's yield deletes the window", Input::HoverEntry, true},
    };
    QtSoundPlayer sound;
    for (const auto& row : rows) {
        auto* window = new QWidget;
        window->resize(200, 100);
        auto* button = new VantorButton(sound, Picture{}, window);
        button->setGeometry(10, 10, 120, 29);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window)) << row.how;
        const QPointer<QWidget> windowAlive(window);
        const QPointer<VantorButton> buttonAlive(button);
        QWidget* const victim = row.wholeWindow ? window : button;
        const auto kill = [victim] { delete victim; };

        switch (row.input) {
            case Input::Click:
                QObject::connect(button, &VantorButton::Click, kill);
                QTest::mousePress(button, Qt::LeftButton, {}, QPoint(60, 14));
                QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(60, 14));
                break;
            case Input::KeyWithText:
                QObject::connect(button, &VantorButton::KeyDown, [kill](qint16&, qint16&) { kill(); });
                QTest::keyPress(button, Qt::Key_A, {}, -1);
                break;
            case Input::HoverEntry: {
                // Waiting when the button yields, as a click on another window would be.
                QObject::connect(button, &VantorButton::MouseIn,
                                 [kill](qint16&) { QMetaObject::invokeMethod(qApp, kill, Qt::QueuedConnection); });
                QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                                 Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(button, &move);
                break;
            }
        }
        EXPECT_TRUE(buttonAlive.isNull()) << row.how;
        EXPECT_EQ(windowAlive.isNull(), row.wholeWindow) << row.how;
        delete windowAlive.data();
    }
}

}  // namespace
}  // namespace torvel
