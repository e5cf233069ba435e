// The windows as laid out: every control where the layouts put it, its look,
// the keyboard order, and the shape of the main window.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <span>
#include <string_view>
#include <tuple>

#include "common/cp1251.h"
#include "game/word_base.h"
#include "windows/fitting_label.h"
#include "windows/frmtorvel.h"
#include "windows/layouts.h"
#include "windows/round_rect_region.h"
#include "windows_test_support.h"

namespace torvel::test {
namespace {

// Each control of a window's layout stands where the layout puts it.
void ExpectPlaces(QWidget* window, std::span<const Place> places) {
    for (const Place& place : places) {
        auto* control = window->findChild<QWidget*>(place.objectName());
        ASSERT_NE(control, nullptr) << place.name;
        EXPECT_EQ(control->geometry(), place.rect()) << place.name;
    }
}

// Each control's place among its siblings, from the back.
int Depth(QWidget* window, const char* name) {
    return static_cast<int>(window->children().indexOf(window->findChild<QWidget*>(QString::fromLatin1(name))));
}

class LayoutTest : public ::testing::Test {
protected:
    LayoutTest() : window(messages, names, random) {}

    QLabel* Label(QWidget* in, const char* name) const { return in->findChild<QLabel*>(QString::fromLatin1(name)); }

    // The other windows are built when first opened: opened here as the
    // player would, the statistics by ending the game.
    void OpenToolWindows() {
        Click(&window, "VantorButton5");
        Click(TopLevel("frmtvlstat"), "VantorButton2");
        Click(&window, "VantorButton1");
        Click(TopLevel("frmbre"), "VantorButton2");
    }

    GameFolder folder;
    RecordingMessageBox messages;
    ScriptedNameDialog names;
    ScriptedRandom random;
    frmtorvel window;
};

TEST(Twips, ConvertToTheNearestPixel) {
    const std::pair<int, int> cases[] = {{7, 0}, {8, 1}, {-30, -2}, {150, 10}, {6130, 409}, {6675, 445}};
    for (const auto& [twips, pixels] : cases) EXPECT_EQ(Px(twips), pixels) << twips;
}

TEST_F(LayoutTest, EveryControlOfTheWindowsStandsInItsPlace) {
    ASSERT_TRUE(window.Form_Load());
    EXPECT_EQ(window.size(), QSize(445, 349));
    ExpectPlaces(&window, main_layout::kAll);
    // The fields and buttons lie side by side, never over one another.
    std::vector<QRect> inputs;
    for (const Place& place : main_layout::kAll) {
        const std::string_view name = place.name;
        if (name.starts_with("Shape") || name.starts_with("Label")) continue;
        for (const QRect& other : inputs) EXPECT_FALSE(other.intersects(place.rect())) << place.name;
        inputs.push_back(place.rect());
    }

    OpenToolWindows();
    QWidget* const statistics = TopLevel("frmtvlstat");
    ASSERT_NE(statistics, nullptr);
    EXPECT_EQ(statistics->size(), QSize(312, 221));
    ExpectPlaces(statistics, statistics_layout::kAll);
    ExpectPlaces(TopLevel("frmreview"), review_layout::kAll);
    ExpectPlaces(TopLevel("frmhistory"), history_layout::kAll);

    QWidget* const records = TopLevel("frmbre");
    ASSERT_NE(records, nullptr);
    EXPECT_EQ(records->size(), QSize(302, 343));
    ExpectPlaces(records, records_layout::kAll);
    // "История" keeps clear of "OK" and inside the panel.
    EXPECT_FALSE(records_layout::VantorButton1.rect().intersects(records_layout::VantorButton2.rect()));
    EXPECT_TRUE(records_layout::Shape1.rect().contains(records_layout::VantorButton2.rect()));
    // Rows 420 twips apart from 420 down to 4200; a name cell reaches a pixel
    // into its score cell.
    for (int k = 0; k < 10; ++k) {
        for (const auto& [column, left, width] : {std::tuple{"Label2", 210, 2955}, std::tuple{"Label1", 3150, 1170}}) {
            auto* cell = records->findChild<QWidget*>(QStringLiteral("%1_%2").arg(QLatin1String(column)).arg(k));
            EXPECT_EQ(cell->geometry(), TwipsRect(left, 420 + 420 * k, width, 330)) << column << k;
            EXPECT_FALSE(cell->geometry().intersects(records_layout::VantorButton2.rect())) << column << k;
        }
    }
}

TEST_F(LayoutTest, ControlsStackFromBackToFrontAsLaidOut) {
    const char* const mainOrder[] = {"Shape1", "Label1", "Label2", "Label3",   "Label4",   "Label6",
                                     "Label7", "Shape2", "Shape3", "Label5_0", "Label5_1", "Shape4",
                                     "Label8", "Label9", "Text2",  "Text3",    "Text1"};
    for (std::size_t i = 1; i < std::size(mainOrder); ++i) {
        EXPECT_LT(Depth(&window, mainOrder[i - 1]), Depth(&window, mainOrder[i])) << mainOrder[i];
    }
    OpenToolWindows();
    QWidget* const records = TopLevel("frmbre");
    for (int k = 0; k < 10; ++k) {
        const std::string name = "Label2_" + std::to_string(k);
        const std::string score = "Label1_" + std::to_string(k);
        // The name cell overlaps its score cell and is drawn over it.
        EXPECT_LT(Depth(records, "Shape1"), Depth(records, score.c_str()));
        EXPECT_LT(Depth(records, score.c_str()), Depth(records, name.c_str()));
        EXPECT_LT(Depth(records, name.c_str()), Depth(records, "VantorButton1"));
    }
}

TEST_F(LayoutTest, FontsColoursAlignmentAndVisibilityFollowTheLayout) {
    struct Look {
        const char* name;
        int pixels;
        bool bold;
        QColor colour;
        Qt::Alignment horizontal;
        bool visible;
    };
    const QColor grey(128, 128, 128);
    const Look main[] = {
        {"Label1", 21, true, QColor(0, 0, 255), Qt::AlignLeft, true},
        {"Label2", 21, true, QColor(0, 128, 0), Qt::AlignHCenter, true},
        {"Label3", 21, true, QColor(0, 128, 0), Qt::AlignHCenter, true},
        {"Label4", 11, false, grey, Qt::AlignLeft, false},
        {"Label6", 11, false, grey, Qt::AlignRight, false},
        {"Label7", 19, false, grey, Qt::AlignRight, true},
        {"Label5_0", 11, false, grey, Qt::AlignLeft, false},
        {"Label5_1", 11, false, grey, Qt::AlignLeft, false},
        {"Label9", 11, true, Qt::white, Qt::AlignLeft, true},
    };
    ASSERT_TRUE(window.Form_Load());
    window.show();
    for (const Look& look : main) {
        QLabel* const label = Label(&window, look.name);
        EXPECT_EQ(label->font().pixelSize(), look.pixels) << look.name;
        EXPECT_EQ(label->font().bold(), look.bold) << look.name;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), look.colour) << look.name;
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, look.horizontal) << look.name;
        EXPECT_EQ(label->isVisible(), look.visible) << look.name;
        EXPECT_FALSE(label->autoFillBackground()) << look.name;
    }
    EXPECT_EQ(Label(&window, "Label2")->text(), QStringLiteral("0"));
    EXPECT_EQ(Label(&window, "Label9")->text(), QStringLiteral("Торвель"));
    EXPECT_EQ(Label(&window, "Label4")->text(), QStringLiteral("Исходное слово"));
    EXPECT_EQ(Label(&window, "Label6")->text(), QStringLiteral("Слово компьютера"));
    EXPECT_EQ(Label(&window, "Label5_1")->text(), QStringLiteral("Сумма букв"));

    auto* const entry = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    EXPECT_EQ(entry->font().pixelSize(), 19);
    EXPECT_EQ(entry->palette().color(QPalette::Base), QColor(255, 192, 128));
    EXPECT_EQ(entry->palette().color(QPalette::Text), grey);
    for (const char* list : {"Text2", "Text3"}) {
        auto* const field = window.findChild<QAbstractScrollArea*>(QString::fromLatin1(list));
        EXPECT_EQ(field->palette().color(QPalette::Base), QColor(255, 224, 192)) << list;
        EXPECT_EQ(field->font().pixelSize(), 11) << list;
        EXPECT_TRUE(field->verticalScrollBar()->isVisible()) << list;
    }

    const Look statistics[] = {
        {"Label1", 19, false, QColor(0, 192, 0), Qt::AlignHCenter, false},
        {"Label2", 13, true, grey, Qt::AlignLeft, false},
        {"Label3", 13, true, grey, Qt::AlignLeft, false},
        {"Label4", 13, true, grey, Qt::AlignLeft, false},
        {"Label5", 21, false, QColor(0, 128, 0), Qt::AlignHCenter, false},
    };
    Click(&window, "VantorButton5");
    QWidget* const stat = TopLevel("frmtvlstat");
    for (const Look& look : statistics) {
        QLabel* const label = Label(stat, look.name);
        EXPECT_EQ(label->font().pixelSize(), look.pixels) << look.name;
        EXPECT_EQ(label->font().bold(), look.bold) << look.name;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), look.colour) << look.name;
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, look.horizontal) << look.name;
        EXPECT_EQ(label->wordWrap(), look.bold) << look.name;  // the three statistics lines wrap
    }
    EXPECT_TRUE(Label(stat, "Label5")->isVisible());
    EXPECT_FALSE(Label(stat, "Label6")->isVisible());

    Click(&window, "VantorButton1");
    QWidget* const records = TopLevel("frmbre");
    for (const char* cell : {"Label2_0", "Label1_0", "Label2_9", "Label1_9"}) {
        QLabel* const label = Label(records, cell);
        EXPECT_TRUE(label->autoFillBackground()) << cell;
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(192, 255, 192)) << cell;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(64, 64, 64)) << cell;
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft) << cell;
        EXPECT_EQ(label->font().pixelSize(), 11) << cell;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << cell;
    }
}

TEST_F(LayoutTest, EveryDrawableWordOfTheShippedBaseShowsWholeInTheSourceWordLabel) {
    ASSERT_TRUE(window.Form_Load());
    window.show();
    auto* const label = window.findChild<FittingLabel*>(QStringLiteral("Label1"));
    ASSERT_NE(label, nullptr);
    const QFont base = label->font();
    const int room = label->contentsRect().width();
    const auto drawnWidth = [](const QFont& font, const QString& text) {
        const QFontMetrics metrics(font);
        return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).right() + 1);
    };
    WordBase words(qEnvironmentVariable("TORVEL_SOURCE_DIR").toStdString() + "/assets/wmbase.txt");
    int drawable = 0;
    int shrunk = 0;
    for (int line = 1; line < WordBase::kLines; ++line) {
        const std::string& word = words.Line(line);
        if (word.size() < WordBase::kMinSourceLength || word.size() > WordBase::kMaxSourceLength) continue;
        ++drawable;
        const QString text = QString::fromStdString(Cp1251ToUtf8(word));
        label->setText(text);
        const QFont drawn = label->drawnFont();
        ASSERT_LE(drawnWidth(drawn, text), room) << text.toStdString();
        if (drawnWidth(base, text) <= room) {
            // A word that fits is drawn exactly as before.
            EXPECT_EQ(drawn, base) << text.toStdString();
            continue;
        }
        ++shrunk;
        QFont larger = drawn;
        larger.setPixelSize(drawn.pixelSize() + 1);
        EXPECT_GT(drawnWidth(larger, text), room) << text.toStdString();
        EXPECT_TRUE(drawn.bold()) << text.toStdString();
        EXPECT_EQ(drawn.family(), base.family()) << text.toStdString();
    }
    EXPECT_GT(drawable, 1000);
    EXPECT_GT(shrunk, 0);
    // The label itself keeps its font, colour and place.
    EXPECT_EQ(label->font(), base);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(label->geometry(), main_layout::Label1.rect());
}

TEST_F(LayoutTest, WindowsHaveTheirTitlesFramesAndIcons) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Торвель"));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(255, 224, 192));

    OpenToolWindows();
    QWidget* const statistics = TopLevel("frmtvlstat");
    QWidget* const records = TopLevel("frmbre");
    QWidget* const review = TopLevel("frmreview");
    EXPECT_EQ(statistics->windowTitle(), QStringLiteral("Статистика игры"));
    EXPECT_EQ(records->windowTitle(), QStringLiteral("Лучшие результаты"));
    EXPECT_EQ(review->windowTitle(), QStringLiteral("Разбор партии"));
    EXPECT_FALSE(records->windowIcon().availableSizes().isEmpty());
    for (QWidget* tool : {statistics, records, review}) {
        EXPECT_EQ(tool->windowType(), Qt::Tool);
        EXPECT_TRUE(tool->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(tool->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(tool->minimumSize(), tool->maximumSize());
        EXPECT_EQ(tool->palette().color(QPalette::Window), QColor(255, 224, 192));
    }

    QWidget* const minimise = window.findChild<QWidget*>(QStringLiteral("VantorButton8"));
    QWidget* const close = window.findChild<QWidget*>(QStringLiteral("VantorButton9"));
    EXPECT_EQ(minimise->toolTip(), QStringLiteral("Свернуть"));
    EXPECT_EQ(close->toolTip(), QStringLiteral("Выход"));
}

TEST_F(LayoutTest, TabFollowsTheKeyboardOrderAndSkipsTheWordLists) {
    ASSERT_TRUE(window.Form_Load());
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const char* const order[] = {"Text1",         "cmdexi",        "VantorButton4", "VantorButton5",
                                 "VantorButton6", "VantorButton8", "VantorButton9", "cmdhel",
                                 "cmdstart",      "VantorButton1", "Text1"};
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(order[0]));
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(order[i])) << i;
    }
    // The lists still take the focus from the mouse.
    QWidget* const list = window.findChild<QAbstractScrollArea*>(QStringLiteral("Text2"))->viewport();
    QTest::mouseClick(list, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Text2"));
}

TEST(RoundRectRegionTest, CutsTheCornersAlongTheEllipsesAndKeepsTheRest) {
    const QRegion region = RoundRectRegion(445, 349, 40, 40);
    EXPECT_EQ(region.boundingRect(), QRect(0, 0, 445, 349));
    struct Point {
        int x, y;
        bool inside;
    };
    const Point points[] = {
        // Corners cut, symmetrically.
        {0, 0, false},
        {444, 0, false},
        {0, 348, false},
        {444, 348, false},
        {5, 5, false},
        {439, 343, false},
        // The first row keeps only what lies inside the ellipse: pixel 16 of it.
        {15, 0, false},
        {16, 0, true},
        {428, 0, true},
        {429, 0, false},
        // The straight edges and the middle.
        {222, 0, true},
        {0, 174, true},
        {444, 174, true},
        {222, 348, true},
        {20, 20, true},
        // Along the diagonal of a corner: the ellipse passes between 5 and 6.
        {6, 6, true},
        {438, 342, true},
        // Outside the rectangle.
        {445, 174, false},
        {222, 349, false},
    };
    for (const Point& point : points) {
        EXPECT_EQ(region.contains(QPoint(point.x, point.y)), point.inside) << point.x << "," << point.y;
    }
    EXPECT_TRUE(RoundRectRegion(0, 10, 4, 4).isEmpty());
}

TEST_F(LayoutTest, TheMainWindowShowsItsRoundedClientArea) {
    ASSERT_TRUE(window.Form_Load());
    EXPECT_EQ(window.mask(), RoundRectRegion(445, 349, 40, 40));
}

}  // namespace
}  // namespace torvel::test
