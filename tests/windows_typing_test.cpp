// Typing into the main window's entry field: keys of the Latin layout give the
// Russian letters on them and Ё is written Е, as far as the word base allows;
// pasted text stays as it is.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <initializer_list>
#include <utility>

#include "windows/frmtorvel.h"
#include "windows_test_support.h"

namespace torvel::test {
namespace {

// The main window on a crafted base, after "Старт" drew the word on
// `sourceLine`; the computer then starts looking after line 4000.
struct StartedGame {
    StartedGame(std::initializer_list<BaseWord> words, int sourceLine) : window(messages, names, random) {
        folder.Write(QStringLiteral("wmbase.txt"), WordBaseBytes(words));
        EXPECT_TRUE(window.Form_Load());
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        random.numbers = {DrawSourceWord(sourceLine), ComputerStartsAfter(4000), ComputerStartsAfter(4000)};
        Click(&window, "cmdstart");
    }

    QLineEdit* entry() const { return window.findChild<QLineEdit*>(QStringLiteral("Text1")); }
    QString Typed(const QString& keys) {
        entry()->clear();
        Type(entry(), keys);
        return entry()->text();
    }
    QString List(const char* name) const {
        return window.findChild<QPlainTextEdit*>(QString::fromLatin1(name))->toPlainText();
    }

    GameFolder folder;
    RecordingMessageBox messages;
    ScriptedNameDialog names;
    ScriptedRandom random;
    frmtorvel window;
};

TEST(Typing, EveryKeyOfTheLatinLayoutTypesTheRussianLetterOnIt) {
    StartedGame game({{kSourceLine, "ПРОГРАММА"}}, kSourceLine);
    const std::pair<const char*, const char*> cases[] = {
        {"qwertyuiop[]asdfghjkl;'zxcvbnm,.`", "ЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮЕ"},  // the base writes Е for Ё
        {"QWERTYUIOP{}ASDFGHJKL:\"ZXCVBNM<>~", "ЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮЕ"},
        {"ёЁпр12 /?!@#-=\\", "ЕЕПР12 /?!@#-=\\"},
    };
    for (const auto& [keys, shown] : cases) EXPECT_EQ(game.Typed(QString::fromUtf8(keys)).toStdString(), shown);

    // What an input method commits is typed as well.
    game.entry()->clear();
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("ghj`"));
    QApplication::sendEvent(game.entry(), &composed);
    EXPECT_EQ(game.entry()->text(), QStringLiteral("ПРОЕ"));
}

TEST(Typing, ABaseWithLatinWordsOrWithYoKeepsWhatIsTyped) {
    const std::pair<BaseWord, const char*> cases[] = {
        {{200, "DOM"}, "GHJ[`ЕЕ"},
        {{200, "ЁЖ"}, "ПРОХЁЁЕ"},
        {{200, "ЁD"}, "GHJ[`ЁЕ"},
    };
    for (const auto& [word, shown] : cases) {
        StartedGame game({{kSourceLine, "ПРОГРАММА"}, word}, kSourceLine);
        EXPECT_EQ(game.Typed(QStringLiteral("ghj[`ёе")).toStdString(), shown) << word.word;
    }
}

TEST(Typing, ALatinLayoutWordIsPlayedInRussianAndPastedTextIsLeftAlone) {
    StartedGame game({{50, "ПРОГРАММА"}, {60, "ПЕНА"}, {100, "ПРОГРАММИРОВАНИЕ"}, {4500, "РОГ"}, {4600, "ВОР"}}, 100);

    // Pasted, the Latin text stays Latin and its letters are not in the source word.
    QGuiApplication::clipboard()->setText(QStringLiteral("ghjuhfvvf"));
    QTest::keyClick(game.entry(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(game.entry()->text(), QStringLiteral("ghjuhfvvf"));
    QTest::keyClick(game.entry(), Qt::Key_Return);
    ASSERT_EQ(game.messages.shown.size(), 1U);
    EXPECT_EQ(game.messages.shown[0],
              QStringLiteral("Одной из букв нет в исходном слове! Возможно, она уже использована"));

    // Typed, it is ПРОГРАММА.
    EXPECT_EQ(game.Typed(QStringLiteral("ghjuhfvvf")), QStringLiteral("ПРОГРАММА"));
    QTest::keyClick(game.entry(), Qt::Key_Return);

    // A pasted Ё is taken as the Е the base writes.
    game.entry()->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("ПЁНА"));
    QTest::keyClick(game.entry(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(game.entry(), Qt::Key_Return);

    EXPECT_EQ(game.messages.shown.size(), 1U);
    EXPECT_EQ(game.List("Text2"), QStringLiteral("ПЕНА\nПРОГРАММА\n"));
    EXPECT_EQ(game.window.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("13"));
    EXPECT_EQ(game.List("Text3"), QStringLiteral("ВОР\nРОГ\n"));
}

}  // namespace
}  // namespace torvel::test
