// The review window: opened by Ctrl+R and "Разбор" once the game is evaluated,
// reused, closed by its button, Escape and a new start; its texts, colours,
// keyboard scrolling and what screen readers read; where it opens.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

#include "common/cp1251.h"
#include "game/game_review.h"
#include "windows/beside_window.h"
#include "windows/form_buttons.h"
#include "windows/frmreview.h"
#include "windows/frmtorvel.h"
#include "windows/review_text.h"
#include "windows/word_list.h"
#include "windows_test_support.h"

namespace torvel::test {
namespace {

// Expected text with each '_' standing for a no-break space.
std::string Nbsp(std::string text) {
    for (std::size_t at = text.find('_'); at != std::string::npos; at = text.find('_', at)) {
        text.replace(at, 1, "\u00A0");
    }
    return text;
}

int OpenReviews() {
    int open = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("frmreview") && widget->isVisible()) ++open;
    }
    return open;
}

// The list's rows as shown: text and colour.
std::vector<std::pair<QString, QColor>> Rows(QWidget* review) {
    auto* list = review->findChild<QListWidget*>(QStringLiteral("List1"));
    std::vector<std::pair<QString, QColor>> rows;
    for (int i = 0; i < list->count(); ++i) {
        rows.emplace_back(list->item(i)->text(), list->item(i)->foreground().color());
    }
    return rows;
}

class ReviewTest : public ::testing::Test {
protected:
    ReviewTest() : window(messages, names, random) {}

    void SetUp() override {
        ASSERT_TRUE(window.Form_Load());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWidget* review() const { return TopLevel("frmreview"); }
    QLineEdit* entry() const { return window.findChild<QLineEdit*>(QStringLiteral("Text1")); }
    // Ctrl+R as the player presses it: in the main window, which is active.
    void CtrlR() {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(entry(), Qt::Key_R, Qt::ControlModifier);
    }
    QString Label(const char* name) const { return review()->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    // МАМА, answered with РАМА; the game ended and its review open.
    void PlayAndReview() {
        random.numbers = {DrawSourceWord(), ComputerStartsAfter(0)};
        Click(&window, "cmdstart");
        Type(entry(), QStringLiteral("мама"));
        QTest::keyClick(entry(), Qt::Key_Return);
        Click(&window, "VantorButton5");
        CtrlR();
    }

    GameFolder folder;
    RecordingMessageBox messages;
    ScriptedNameDialog names;
    ScriptedRandom random;
    frmtorvel window;
};

TEST_F(ReviewTest, OpensOnlyOnceTheGameIsEvaluatedAndIsReusedUntilTheNextStart) {
    const QColor green(0, 120, 0), grey(102, 102, 102), dark(0, 0, 0), blue(0, 0, 255);
    random.numbers = {DrawSourceWord(), ComputerStartsAfter(0)};
    CtrlR();
    Click(&window, "cmdstart");
    Type(entry(), QStringLiteral("мама"));
    QTest::keyClick(entry(), Qt::Key_Return);  // answered with РАМА
    CtrlR();
    EXPECT_EQ(OpenReviews(), 0);

    Click(&window, "VantorButton5");
    CtrlR();
    ASSERT_EQ(OpenReviews(), 1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(review()));
    EXPECT_EQ(review()->windowTitle(), QStringLiteral("Разбор партии"));
    EXPECT_EQ(Label("Label1"), QStringLiteral("ПРОГРАММА"));
    EXPECT_EQ(Label("Label2").toStdString(), Nbsp("Вы нашли 1 из 5 слов, компьютер_—_1, не_найдено_—_3"));
    EXPECT_EQ(Label("Label3").toStdString(), Nbsp("5_букв:_0_из_2 · 4_буквы:_1_из_3"));
    const std::vector<std::pair<QString, QColor>> rows{
        {QStringLiteral("5 букв"), blue}, {QStringLiteral("ГРАММ"), dark}, {QStringLiteral("ПАРОМ"), dark},
        {QStringLiteral("4 буквы"), blue}, {QStringLiteral("МАМА"), green}, {QStringLiteral("ПОРА"), dark},
        {QStringLiteral("РАМА"), grey},
    };
    EXPECT_EQ(Rows(review()), rows);
    EXPECT_EQ(QApplication::focusWidget(), review()->findChild<QListWidget*>(QStringLiteral("List1")));

    // Every way of closing and opening it meets the same window.
    QWidget* const first = review();
    QTest::keyClick(review(), Qt::Key_Escape);
    EXPECT_EQ(OpenReviews(), 0);
    Click(TopLevel("frmtvlstat"), "VantorButton2");
    EXPECT_EQ(OpenReviews(), 1);
    Click(review(), "VantorButton1");
    EXPECT_EQ(OpenReviews(), 0);
    CtrlR();
    EXPECT_EQ(OpenReviews(), 1);
    EXPECT_EQ(review(), first);

    // A new game puts it away; Ctrl+R and "Разбор" wait for its evaluation.
    random.numbers = {DrawSourceWord()};
    Click(&window, "cmdstart");
    EXPECT_EQ(OpenReviews(), 0);
    CtrlR();
    Click(TopLevel("frmtvlstat"), "VantorButton2");
    EXPECT_EQ(OpenReviews(), 0);
    EXPECT_TRUE(messages.shown.empty());
}

const QString kArticles = QStringLiteral("https://ru.wiktionary.org/wiki/");
const QString kMama = kArticles + "%D0%BC%D0%B0%D0%BC%D0%B0";
const QString kRama = kArticles + "%D1%80%D0%B0%D0%BC%D0%B0";

TEST_F(ReviewTest, WithoutSideFilesTheGamePlaysAndReviewsAsBeforeAndLooksWordsUpAsTheyStand) {
    OpenedAddresses opened;
    PlayAndReview();
    auto* mine = window.findChild<WordList*>(QStringLiteral("Text2"));
    auto* reviewList = review()->findChild<QListWidget*>(QStringLiteral("List1"));
    const QPoint firstLine = mine->cursorRect(QTextCursor(mine->document())).center();
    const struct {
        QWidget* widget;
        QPoint at;
        QString item;  // the look-up item, first in the menu; none when empty
    } cases[] = {
        {mine->viewport(), firstLine, QStringLiteral("Что значит «МАМА»?")},
        {window.findChild<QLabel*>(QStringLiteral("Label7")), {5, 5}, QStringLiteral("Что значит «РАМА»?")},
        {reviewList->viewport(), reviewList->visualItemRect(reviewList->item(4)).center(),
         QStringLiteral("Что значит «МАМА»?")},
        // Below the last word the list has only its own items.
        {mine->viewport(), {5, mine->viewport()->height() - 3}, {}},
    };
    for (const auto& c : cases) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, c.at, c.widget->mapToGlobal(c.at));
        QApplication::sendEvent(c.widget, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << c.item.toStdString();
        QAction* const first = menu->actions().value(0);
        EXPECT_EQ(first->text().startsWith(QStringLiteral("Что")) ? first->text() : QString(), c.item);
        if (!c.item.isEmpty()) first->trigger();
        menu->close();
    }
    EXPECT_EQ(opened.opened, (std::vector<QString>{kMama, kRama, kMama}));
    EXPECT_EQ(Label("Label4"), QString());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ReviewTest, SideFilesGlossTheWordsTheyKnowAndEnterOrADoubleClickLooksAWordUp) {
    folder.Write(QStringLiteral("wmgloss.txt"), "ПАРОМ\tferry\r\nПОРА damaged\nРАМА\tframe (тех.)\n");
    folder.Write(QStringLiteral("wmyo.txt"), "пора\nпарём\n");  // no ё of these words
    PlayAndReview();
    ASSERT_TRUE(QTest::qWaitForWindowActive(review()));
    OpenedAddresses opened;
    auto* list = review()->findChild<QListWidget*>(QStringLiteral("List1"));
    QAccessibleInterface* const rows = QAccessible::queryAccessibleInterface(list);
    // 0 "5 букв", 1 ГРАММ, 2 ПАРОМ, 3 "4 буквы", 4 МАМА, 5 ПОРА, 6 РАМА; Enter
    // on the even rows, a double click (which moves the keyboard) on the odd.
    const QString glossLines[] = {{}, {}, QStringLiteral("ПАРОМ — ferry"), {}, {}, {},
                                  QStringLiteral("РАМА — frame (тех.)")};
    for (const int row : {1, 2, 4, 5, 6}) {
        const QPoint at = list->visualItemRect(list->item(row)).center();
        if (row % 2 == 0) {
            QTest::keyClick(list, Qt::Key_Return);
        } else {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        }
        EXPECT_EQ(list->currentRow(), row);
        EXPECT_EQ(Label("Label4"), glossLines[row]) << row;
        EXPECT_EQ(rows->child(row)->text(QAccessible::Description),
                  glossLines[row].isEmpty() ? QString() : "по-английски: " + glossLines[row].section(" — ", 1));
        QTest::keyClick(list, Qt::Key_Down);
    }
    EXPECT_EQ(opened.opened, (std::vector<QString>{kArticles + "%D0%B3%D1%80%D0%B0%D0%BC%D0%BC",
                                                   kArticles + "%D0%BF%D0%B0%D1%80%D0%BE%D0%BC", kMama,
                                                   kArticles + "%D0%BF%D0%BE%D1%80%D0%B0", kRama}));
}

// A review of many words, straight into the window.
GameReview LongReview() {
    std::vector<ReviewWord> words;
    for (int i = 0; i < 60; ++i) {
        // Six letters, or seven for the last 28: СЛОВОА … СЛОВОЯ, СЛОВОАЯ … СЛОВОЫЯ.
        std::string word = Utf8ToCp1251("СЛОВО") + static_cast<char>(0xC0 + i % 32);
        if (i >= 32) word += Utf8ToCp1251("Я");
        words.push_back({word, i % 3 == 0 ? WordMark::Player : i % 3 == 1 ? WordMark::Computer : WordMark::Missed});
    }
    return SummariseReview(Utf8ToCp1251("СЛОВОСЛОВО"), std::move(words));
}

TEST(ReviewWindow, ScreenReadersReadEveryRowAndTheKeyboardScrollsTheList) {
    ButtonServices buttons;
    QWidget mainWindow;
    mainWindow.setGeometry(50, 50, 445, 349);
    frmreview window(buttons, &mainWindow);
    window.ShowReview(LongReview());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* list = window.findChild<QListWidget*>(QStringLiteral("List1"));

    QAccessibleInterface* const accessible = QAccessible::queryAccessibleInterface(list);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::List);
    ASSERT_EQ(accessible->childCount(), list->count());
    const std::vector<QString> expected{QStringLiteral("7 букв"), QStringLiteral("СЛОВОАЯ, не найдено"),
                                        QStringLiteral("СЛОВОБЯ, нашли вы"),
                                        QStringLiteral("СЛОВОВЯ, сыграл компьютер")};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QAccessibleInterface* const row = accessible->child(static_cast<int>(i));
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->text(QAccessible::Name), expected[i]) << i;
        // The caption a heading, so that only words count as items; no row has an action.
        EXPECT_EQ(row->role(), i == 0 ? QAccessible::Heading : QAccessible::ListItem) << i;
        EXPECT_EQ(row->actionInterface(), nullptr) << i;
    }
    // The keyboard starts on the first word.
    EXPECT_EQ(accessible->focusChild(), accessible->child(1));

    QScrollBar* const scroll = list->verticalScrollBar();
    ASSERT_GT(scroll->maximum(), 0) << "the list should be longer than its window";
    EXPECT_EQ(scroll->value(), 0);
    // The first page key goes to the foot of the page, the second scrolls.
    QTest::keyClick(list, Qt::Key_PageDown);
    QTest::keyClick(list, Qt::Key_PageDown);
    EXPECT_GT(scroll->value(), 0);
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(scroll->value(), scroll->maximum());
    QTest::keyClick(list, Qt::Key_Home);
    EXPECT_EQ(scroll->value(), 0);
    EXPECT_EQ(list->currentRow(), 1);
}

TEST(ReviewWindow, OpensBesideTheMainWindowAndStaysOnTheScreen) {
    struct Case {
        const char* what;
        QRect anchor;
        QRect screen;
        QPoint expected;
    };
    const QSize size(312, 420);
    const QRect screen(0, 0, 1024, 768);
    const Case cases[] = {
        {"room on the right", {100, 50, 445, 349}, screen, {553, 50}},
        {"room only on the left", {600, 50, 445, 349}, screen, {280, 50}},
        {"room on neither side", {300, 50, 445, 349}, {0, 0, 1000, 768}, {688, 50}},
        {"low on the screen", {100, 500, 445, 349}, screen, {553, 348}},
        {"above the screen", {100, -40, 445, 349}, screen, {553, 0}},
        {"a second screen to the right", {2000, 50, 445, 349}, {1920, 0, 1280, 1024}, {2453, 50}},
        {"a screen narrower than the window", {0, 0, 100, 100}, {0, 0, 200, 768}, {0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BesideWindow(c.anchor, size, c.screen), c.expected) << c.what;
    }
}

TEST(ReviewText, CountsAgreeWithTheirNouns) {
    const auto review = [](int player, int computer, int missed) {
        GameReview r;
        r.player = player;
        r.computer = computer;
        r.missed = missed;
        return r;
    };
    EXPECT_EQ(FoundLine(review(1, 0, 0)), Nbsp("Вы нашли 1 из 1 слова, компьютер_—_0, не_найдено_—_0"));
    EXPECT_EQ(FoundLine(review(0, 10, 11)), Nbsp("Вы нашли 0 из 21 слова, компьютер_—_10, не_найдено_—_11"));
    EXPECT_EQ(FoundLine(review(2, 3, 6)), Nbsp("Вы нашли 2 из 11 слов, компьютер_—_3, не_найдено_—_6"));
    EXPECT_EQ(FoundLine(review(0, 0, 0)), Nbsp("Вы нашли 0 из 0 слов, компьютер_—_0, не_найдено_—_0"));

    GameReview lengths;
    lengths.lengths = {{21, 0, 1}, {9, 1, 1}, {3, 2, 5}, {1, 0, 2}};
    EXPECT_EQ(LengthsLine(lengths), Nbsp("21_буква:_0_из_1 · 9_букв:_1_из_1 · 3_буквы:_2_из_5 · 1_буква:_0_из_2"));
    EXPECT_EQ(LengthsLine(GameReview{}), "");
}

}  // namespace
}  // namespace torvel::test
