// The window of the player's statistics over every game ("Статистика игр"),
// and the game's keys pressed in each of its windows.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include "windows/frmtorvel.h"
#include "windows_test_support.h"

namespace torvel::test {
namespace {

class HistoryWindowTest : public ::testing::Test {
protected:
    HistoryWindowTest() : window(messages, names, random) {}

    void SetUp() override {
        ASSERT_TRUE(window.Form_Load());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // The five lines of the window, those hidden left out.
    static QStringList Lines() {
        QStringList lines;
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
            auto* label = TopLevel("frmhistory")->findChild<QLabel*>(QString::fromLatin1(name));
            if (label->isVisible()) lines.append(label->text());
        }
        return lines;
    }

    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    GameFolder folder;
    RecordingMessageBox messages;
    ScriptedNameDialog names;
    ScriptedRandom random;
    frmtorvel window;
};

TEST_F(HistoryWindowTest, ShowsTheFiguresOfTheHistoryAndFollowsTheGamesPlayed) {
    folder.Write(QStringLiteral("history.txt"),
                 "torvel-history 1\n"
                 "2026-05-04 18:22:10\tПРОГРАММА\tпобеда\t303\t23\t17\t4\t5\t6\tПАРОМ\n"
                 "2026-05-04 18:40:00\tПРОГРАММА\tпоражение\t-50\t0\t5\t0\t1\t0\t\n");
    Click(&window, "VantorButton1");
    Click(TopLevel("frmbre"), "VantorButton2");  // "История"
    QWidget* const history = TopLevel("frmhistory");
    ASSERT_NE(history, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(history));
    EXPECT_EQ(Lines(), (QStringList{QStringLiteral("Сыграно партий: 2"),
                                    QStringLiteral("Побед: 1 (50\u00A0%), ничьих: 0, поражений: 1"),
                                    QStringLiteral("Лучший результат: 303 очка, в среднем: 127"),
                                    QStringLiteral("Самое длинное слово: ПАРОМ, 5 букв"),
                                    QStringLiteral("Средняя длина слова: 5,8 буквы")}));
    QAccessibleInterface* const chart =
        QAccessible::queryAccessibleInterface(history->findChild<QWidget*>(QStringLiteral("Chart1")));
    EXPECT_EQ(chart->role(), QAccessible::Chart);
    EXPECT_EQ(chart->text(QAccessible::Description),
              QStringLiteral("Очки за последние 2 партии, от давней к последней: 303, победа; -50, поражение."));

    // A game ended while the window is open is added to it: МАМА against
    // РАМА, a draw of 4 letters, 4 + 20 × 4 = 84 points.
    random.numbers = {DrawSourceWord(), ComputerStartsAfter(0)};
    Click(&window, "cmdstart");
    Type(window.findChild<QWidget*>(QStringLiteral("Text1")), QStringLiteral("мама"));
    Click(&window, "VantorButton4");
    Click(&window, "VantorButton5");
    EXPECT_EQ(Lines().front(), QStringLiteral("Сыграно партий: 3"));
    EXPECT_TRUE(folder.Read(QStringLiteral("history.txt")).ends_with("\tПРОГРАММА\tничья\t84\t4\t4\t1\t1\t4\tМАМА\n"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(HistoryWindowTest, WithoutAHistoryItSaysSoInOneLine) {
    Press(Qt::Key_I);
    EXPECT_EQ(Lines(), QStringList{QStringLiteral("Сыгранных партий пока нет.")});
    EXPECT_FALSE(TopLevel("frmhistory")->findChild<QWidget*>(QStringLiteral("Chart1"))->isVisible());
}

TEST_F(HistoryWindowTest, TheGamesKeysWorkInEachOfItsWindows) {
    random.numbers = {DrawSourceWord(), DrawSourceWord()};
    Press(Qt::Key_N);
    Click(&window, "VantorButton5");
    // Each key pressed in the window the one before opened.
    const std::pair<const char*, Qt::Key> steps[] = {
        {"frmtvlstat", Qt::Key_R}, {"frmreview", Qt::Key_I}, {"frmhistory", Qt::Key_H}, {"frmbre", Qt::Key_F2}};
    for (const auto& [where, key] : steps) {
        QWidget* const opened = TopLevel(where);
        ASSERT_TRUE(opened != nullptr && QTest::qWaitForWindowActive(opened)) << where;
        Press(key, key == Qt::Key_F2 ? Qt::NoModifier : Qt::ControlModifier);
    }
    // F2 in the best results started a new game and gave the keyboard back to it.
    EXPECT_TRUE(random.numbers.empty());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), window.findChild<QWidget*>(QStringLiteral("Text1")));
}

}  // namespace
}  // namespace torvel::test
