// The main window played through its widgets: typing, the three messages,
// accepted words and the computer's answers, passing, ending the game, and
// the road on to the stored record, with the mouse and with the keyboard
// alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "common/cp1251.h"
#include "windows/frmtorvel.h"
#include "windows/statistics_text.h"
#include "windows_test_support.h"

namespace torvel::test {
namespace {

const QString kLetterMissing = QStringLiteral("Одной из букв нет в исходном слове! Возможно, она уже использована");

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : window(messages, names, random) {}

    void SetUp() override {
        ASSERT_TRUE(window.Form_Load());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QString Label(const char* name) const { return window.findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    bool Shown(const char* name) const { return window.findChild<QLabel*>(QString::fromLatin1(name))->isVisible(); }
    QString List(const char* name) const {
        return window.findChild<QPlainTextEdit*>(QString::fromLatin1(name))->toPlainText();
    }
    QLineEdit* entry() const { return window.findChild<QLineEdit*>(QStringLiteral("Text1")); }

    // Types a word and submits it with a key (Enter by default) or with "OK".
    void Submit(const QString& word, Qt::Key key = Qt::Key_Return, Qt::KeyboardModifiers modifiers = {}) {
        entry()->clear();
        Type(entry(), word);
        QTest::keyClick(entry(), key, modifiers);
    }
    void SubmitWithOk(const QString& word) {
        entry()->clear();
        Type(entry(), word);
        Click(&window, "VantorButton4");
    }

    QString Stat(const char* name) const {
        return TopLevel("frmtvlstat")->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    QString Cell(const char* column, int row) const {
        return TopLevel("frmbre")
            ->findChild<QLabel*>(QStringLiteral("%1_%2").arg(QLatin1String(column)).arg(row))
            ->text();
    }

    GameFolder folder;
    RecordingMessageBox messages;
    ScriptedNameDialog names;
    ScriptedRandom random;
    frmtorvel window;
};

TEST_F(MainWindowTest, TypedSmallLettersArriveAsCapitalsAndPastedTextStaysAsItIs) {
    EXPECT_EQ(window.focusWidget(), entry());
    Type(entry(), QStringLiteral("мама ёж, 12z"));
    EXPECT_EQ(entry()->text(), QStringLiteral("МАМА ЁЖ, 12Z"));

    entry()->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("рама"));
    QTest::keyClick(entry(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(entry()->text(), QStringLiteral("рама"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindowTest, StartShowsTheSourceWordCaptionsAndZeroTotals) {
    EXPECT_EQ(Label("Label1"), QString());
    for (const char* caption : {"Label4", "Label6", "Label5_0", "Label5_1"}) EXPECT_FALSE(Shown(caption)) << caption;

    random.numbers = {DrawSourceWord()};
    Click(&window, "cmdstart");

    EXPECT_EQ(random.reseeded, 1);
    EXPECT_EQ(Label("Label1"), QStringLiteral("ПРОГРАММА"));
    EXPECT_EQ(Label("Label2"), QStringLiteral("0"));
    EXPECT_EQ(Label("Label3"), QStringLiteral("0"));
    for (const char* caption : {"Label4", "Label6", "Label5_0", "Label5_1"}) EXPECT_TRUE(Shown(caption)) << caption;
}

TEST_F(MainWindowTest, EachRefusalShowsItsMessageAndOnlyARepeatEmptiesTheEntry) {
    random.numbers = {DrawSourceWord()};
    Click(&window, "cmdstart");

    Submit(QStringLiteral("дом"));
    Submit(QStringLiteral("мамам"));
    Submit(QStringLiteral("аром"));
    EXPECT_EQ(entry()->text(), QStringLiteral("АРОМ"));
    Submit(QStringLiteral("программа"));
    EXPECT_EQ(entry()->text(), QString());

    const std::vector<QString> expected{kLetterMissing, kLetterMissing, QStringLiteral("Неверное слово"),
                                        QStringLiteral("Уже было.")};
    EXPECT_EQ(messages.shown, expected);
    EXPECT_EQ(Label("Label2"), QStringLiteral("0"));
    EXPECT_EQ(List("Text2"), QString());
}

TEST_F(MainWindowTest, ARefusedWordStaysSelectedSoThatTheNextWordTypedReplacesIt) {
    random.numbers = {DrawSourceWord()};
    Click(&window, "cmdstart");
    Submit(QStringLiteral("аром"));
    EXPECT_EQ(entry()->selectedText(), QStringLiteral("АРОМ"));
    Type(entry(), QStringLiteral("мамам"));
    SubmitWithOk(entry()->text());
    EXPECT_EQ(entry()->selectedText(), QStringLiteral("МАМАМ"));
    Type(entry(), QStringLiteral("пора"));
    EXPECT_EQ(entry()->text(), QStringLiteral("ПОРА"));
}

TEST_F(MainWindowTest, TheQuestionAtStartNamesTheUnfinishedGameItOffersBack) {
    folder.Write(QStringLiteral("saved-game.txt"),
                 "torvel-saved-game 1\nsource\tПРОГРАММА\nturn\tplayer\nplayer-total\t5\ncomputer-total\t4\n"
                 "computer-last\tРАМА\nplayer\tГРАММ\ncomputer\tРАМА\n");
    window.OfferUnfinishedGame();
    EXPECT_EQ(messages.asked, std::vector<QString>{QStringLiteral("Продолжить прошлую партию? ПРОГРАММА, 5 : 4")});
    EXPECT_EQ(Label("Label1"), QStringLiteral("ПРОГРАММА"));
    EXPECT_EQ(List("Text2"), QStringLiteral("ГРАММ\n"));
    EXPECT_EQ(Label("Label3"), QStringLiteral("4"));
}

TEST_F(MainWindowTest, EnterInEveryFormAndOkSubmitAlike) {
    random.numbers = {DrawSourceWord(), ComputerStartsAfter(0), ComputerStartsAfter(0)};
    Click(&window, "cmdstart");

    Submit(QStringLiteral("мама"), Qt::Key_Enter, Qt::KeypadModifier);    // answered with РАМА
    Submit(QStringLiteral("гамма"), Qt::Key_Return, Qt::ShiftModifier);   // not in the base
    SubmitWithOk(QStringLiteral("пора"));                                 // answered with ГРАММ
    Submit(QStringLiteral("рама"), Qt::Key_Return, Qt::ControlModifier);  // played by the computer

    const std::vector<QString> expected{QStringLiteral("Неверное слово"), QStringLiteral("Уже было.")};
    EXPECT_EQ(messages.shown, expected);
    EXPECT_EQ(List("Text2"), QStringLiteral("ПОРА\nМАМА\n"));
    EXPECT_EQ(List("Text3"), QStringLiteral("ГРАММ\nРАМА\n"));
}

TEST_F(MainWindowTest, HelpShowsTheHelpText) {
    Click(&window, "cmdhel");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              QStringLiteral("Программа Торвель - логическая игра, в которой из букв некоторого слова нужно составить "
                             "как можно больше других слов. Противником игрока является компьютер. Основным "
                             "показателем игры является количество букв в созданных словах. Если вы не знаете слова, "
                             "то можете пропустить ход, либо закончить игру (при этом результат записывается в "
                             "таблицу рекордов). Если клавиатура осталась в латинской раскладке, буквы всё равно "
                             "будут русскими, а Ё программа сама заменит на Е. \n\nКлавиши: F2 или Ctrl+N — Старт, "
                             "F1 — Справка, Ctrl+H — Таблица рекордов, Ctrl+R — Разбор, Ctrl+I — История игр, "
                             "Ctrl+Q — Выход."));
}

TEST_F(MainWindowTest, TheWholeRoadFromStartToTheStoredRecord) {
    random.numbers = {DrawSourceWord(), ComputerStartsAfter(0), ComputerStartsAfter(0), ComputerStartsAfter(250)};
    Click(&window, "cmdstart");

    // A word accepted and answered at once.
    SubmitWithOk(QStringLiteral("мама"));
    EXPECT_EQ(entry()->text(), QString());
    EXPECT_EQ(List("Text2"), QStringLiteral("МАМА\n"));
    EXPECT_EQ(Label("Label2"), QStringLiteral("4"));
    EXPECT_EQ(List("Text3"), QStringLiteral("РАМА\n"));
    EXPECT_EQ(Label("Label3"), QStringLiteral("4"));
    EXPECT_EQ(Label("Label7"), QStringLiteral("РАМА"));

    // A pass: the computer's newest word goes on top.
    Click(&window, "VantorButton6");
    EXPECT_EQ(List("Text3"), QStringLiteral("ГРАММ\nРАМА\n"));
    EXPECT_EQ(Label("Label3"), QStringLiteral("9"));
    EXPECT_EQ(Label("Label7"), QStringLiteral("ГРАММ"));

    Submit(QStringLiteral("пора"));
    EXPECT_EQ(List("Text2"), QStringLiteral("ПОРА\nМАМА\n"));
    EXPECT_EQ(Label("Label2"), QStringLiteral("8"));
    EXPECT_EQ(List("Text3"), QStringLiteral("ПАРОМ\nГРАММ\nРАМА\n"));
    EXPECT_EQ(Label("Label3"), QStringLiteral("14"));
    EXPECT_TRUE(messages.shown.empty());

    // 8 letters against 14 in two words: -100 + 8 + 60 + 80.
    Click(&window, "VantorButton5");
    QWidget* const statistics = TopLevel("frmtvlstat");
    ASSERT_NE(statistics, nullptr);
    EXPECT_TRUE(statistics->isVisible());
    EXPECT_EQ(Stat("Label1"), QStringLiteral("Вы проиграли."));
    EXPECT_EQ(Stat("Label2"), QStringLiteral("Сумма букв в набранных вами словах равна 8"));
    EXPECT_EQ(Stat("Label3"), QStringLiteral("Разница с компьютером 6 букв."));
    EXPECT_EQ(Stat("Label4"), QStringLiteral("Средняя длина слова 4 букв."));
    EXPECT_EQ(Stat("Label5"), QStringLiteral("Очки за игру 48"));
    EXPECT_EQ(Stat("Label6"), QStringLiteral("48"));
    EXPECT_FALSE(statistics->findChild<QLabel*>(QStringLiteral("Label6"))->isVisible());

    // "Далее": 48 goes below 50, the name is asked, the table is shown but not yet saved.
    const std::string before = folder.Read(QStringLiteral("results.tvl"));
    names.answers = {QStringLiteral("Юля")};
    Click(statistics, "VantorButton1");
    EXPECT_EQ(names.asked, 1);
    EXPECT_FALSE(statistics->isVisible());
    QWidget* const records = TopLevel("frmbre");
    ASSERT_NE(records, nullptr);
    EXPECT_TRUE(records->isVisible());
    EXPECT_EQ(Cell("Label2", 5), QStringLiteral("Егор"));
    EXPECT_EQ(Cell("Label2", 6), QStringLiteral("Юля"));
    EXPECT_EQ(Cell("Label1", 6), QStringLiteral("48"));
    EXPECT_EQ(Cell("Label2", 7), QStringLiteral("Жанна"));
    EXPECT_EQ(Cell("Label1", 9), QStringLiteral("20"));
    EXPECT_EQ(folder.Read(QStringLiteral("results.tvl")), before);

    Click(records, "VantorButton1");
    EXPECT_FALSE(records->isVisible());
    EXPECT_EQ(folder.Read(QStringLiteral("results.tvl")),
              ResultsBytes({"Анна", "Борис", "Вера", "Глеб", "Дина", "Егор", "Юля", "Жанна", "Захар", "Ира"},
                           {"500", "400", "300", "200", "100", "50", "48", "40", "30", "20"}));

    // The same points again, the dialog cancelled: an empty name above the equal score.
    Click(&window, "VantorButton5");
    names.answers = {std::nullopt};
    Click(statistics, "VantorButton1");
    EXPECT_EQ(names.asked, 2);
    EXPECT_EQ(Cell("Label2", 6), QString());
    EXPECT_EQ(Cell("Label1", 6), QStringLiteral("48"));
    EXPECT_EQ(Cell("Label2", 7), QStringLiteral("Юля"));
    records->close();
    EXPECT_EQ(folder.Read(QStringLiteral("results.tvl")),
              ResultsBytes({"Анна", "Борис", "Вера", "Глеб", "Дина", "Егор", "", "Юля", "Жанна", "Захар"},
                           {"500", "400", "300", "200", "100", "50", "48", "48", "40", "30"}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindowTest, AComputerWithoutAWordEndsTheGame) {
    // Nothing playable after line 4999: the game is evaluated, 4 letters to 0.
    random.numbers = {DrawSourceWord(), ComputerStartsAfter(4999)};
    Click(&window, "cmdstart");
    SubmitWithOk(QStringLiteral("мама"));

    QWidget* const statistics = TopLevel("frmtvlstat");
    ASSERT_NE(statistics, nullptr);
    EXPECT_TRUE(statistics->isVisible());
    EXPECT_EQ(Stat("Label1"), QStringLiteral("Вы выиграли!"));
    EXPECT_EQ(Stat("Label5"), QStringLiteral("Очки за игру 224"));
    EXPECT_EQ(List("Text3"), QString());
}

// Keys go where the keyboard is, as a player's do.
void Keys(Qt::Key key, int times = 1, Qt::KeyboardModifiers modifiers = {}) {
    for (int i = 0; i < times; ++i) {
        QWidget* const focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << "nothing has the keyboard";
        QTest::keyClick(focus, key, modifiers);
    }
}

void TypeWhereTheKeyboardIs(const QString& word) {
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    Type(QApplication::focusWidget(), word);
}

TEST_F(MainWindowTest, AWholeGameIsPlayedWithKeysAloneFromF2ToTheStoredRecord) {
    random.numbers = {DrawSourceWord(), ComputerStartsAfter(0), ComputerStartsAfter(0), ComputerStartsAfter(250)};
    Keys(Qt::Key_F2);
    EXPECT_EQ(Label("Label1"), QStringLiteral("ПРОГРАММА"));

    TypeWhereTheKeyboardIs(QStringLiteral("мама"));
    Keys(Qt::Key_Return);
    EXPECT_EQ(List("Text2"), QStringLiteral("МАМА\n"));
    // Tab goes Выход, OK, Закончить игру, Пропустить ход.
    Keys(Qt::Key_Tab, 4);
    Keys(Qt::Key_Space);
    EXPECT_EQ(List("Text3"), QStringLiteral("ГРАММ\nРАМА\n"));
    TypeWhereTheKeyboardIs(QStringLiteral("пора"));
    Keys(Qt::Key_Return);
    EXPECT_EQ(List("Text2"), QStringLiteral("ПОРА\nМАМА\n"));

    Keys(Qt::Key_Tab, 3);
    Keys(Qt::Key_Space);
    QWidget* const statistics = TopLevel("frmtvlstat");
    ASSERT_TRUE(QTest::qWaitForWindowActive(statistics));
    names.answers = {QStringLiteral("Юля")};
    Keys(Qt::Key_Space);  // "Далее"
    QWidget* const records = TopLevel("frmbre");
    ASSERT_TRUE(QTest::qWaitForWindowActive(records));
    Keys(Qt::Key_Space);  // "OK"
    EXPECT_FALSE(records->isVisible());
    EXPECT_EQ(folder.Read(QStringLiteral("results.tvl")),
              ResultsBytes({"Анна", "Борис", "Вера", "Глеб", "Дина", "Егор", "Юля", "Жанна", "Захар", "Ира"},
                           {"500", "400", "300", "200", "100", "50", "48", "40", "30", "20"}));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), entry());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindowTest, TheEntryFieldTakesTheKeyboardBackAfterEachStepAndWindow) {
    folder.WriteResults({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"},
                        {"9", "8", "7", "6", "5", "4", "3", "2", "1", "-1"});
    const auto button = [this](const char* name) { return window.findChild<QWidget*>(QString::fromLatin1(name)); };
    const auto openStatistics = [&] {
        Click(&window, "VantorButton5");
        return TopLevel("frmtvlstat");
    };
    struct Case {
        const char* step;
        std::function<void()> act;
    };
    const std::vector<Case> cases{
        {"Старт", [&] { Click(&window, "cmdstart"); }},
        {"Пропустить ход", [&] { Click(&window, "VantorButton6"); }},
        {"OK with a refused word and its message", [&] { SubmitWithOk(QStringLiteral("дом")); }},
        {"Справка and its message", [&] { Click(&window, "cmdhel"); }},
        {"F2", [&] { Keys(Qt::Key_F2); }},
        {"Ctrl+N", [&] { Keys(Qt::Key_N, 1, Qt::ControlModifier); }},
        {"F1", [&] { Keys(Qt::Key_F1); }},
        {"the statistics closed",
         [&] {
             QWidget* const statistics = openStatistics();
             ASSERT_TRUE(QTest::qWaitForWindowActive(statistics));
             statistics->close();
         }},
        {"the best results opened with Ctrl+H and closed with their OK",
         [&] {
             entry()->setFocus();
             Keys(Qt::Key_H, 1, Qt::ControlModifier);
             QWidget* const records = TopLevel("frmbre");
             ASSERT_TRUE(QTest::qWaitForWindowActive(records));
             Click(records, "VantorButton1");
         }},
        {"the review opened with Ctrl+R and closed with Escape",
         [&] {
             openStatistics()->close();
             Keys(Qt::Key_R, 1, Qt::ControlModifier);
             QWidget* const review = TopLevel("frmreview");
             ASSERT_TRUE(QTest::qWaitForWindowActive(review));
             Keys(Qt::Key_Escape);
         }},
        {"the statistics of all games opened with Ctrl+I and closed with Escape",
         [&] {
             Keys(Qt::Key_I, 1, Qt::ControlModifier);
             ASSERT_TRUE(QTest::qWaitForWindowActive(TopLevel("frmhistory")));
             Keys(Qt::Key_Escape);
         }},
    };
    random.numbers.assign(100, DrawSourceWord());
    Click(&window, "cmdstart");
    for (const Case& c : cases) {
        // The player has just Tabbed to a button.
        button("cmdexi")->setFocus();
        c.act();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window)) << c.step;
        EXPECT_EQ(QApplication::focusWidget(), entry()) << c.step;
    }
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0], kLetterMissing);
}

TEST_F(MainWindowTest, ShortcutsAnswerTheRussianLetterOnTheirKeyToo) {
    folder.WriteResults({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"},
                        {"9", "8", "7", "6", "5", "4", "3", "2", "1", "-1"});
    random.numbers.assign(10, DrawSourceWord());
    // What a keyboard set to Russian alone sends for Ctrl and a letter's key.
    const auto russianCtrl = [](char32_t capital) {
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), static_cast<Qt::Key>(capital),
                            QString::fromUcs4(&capital, 1).toLower(), Qt::ControlModifier);
    };
    russianCtrl(U'Т');  // Ctrl+N's key
    EXPECT_EQ(Label("Label1"), QStringLiteral("ПРОГРАММА"));
    russianCtrl(U'Р');
    EXPECT_TRUE(TopLevel("frmbre")->isVisible()) << "Ctrl+Р, the key of Ctrl+H";
    TopLevel("frmbre")->close();
    Click(&window, "VantorButton5");
    TopLevel("frmtvlstat")->close();
    entry()->setFocus();
    russianCtrl(U'К');
    EXPECT_TRUE(TopLevel("frmreview")->isVisible()) << "Ctrl+К, the key of Ctrl+R";
}

TEST(StatisticsText, EachVerdictAndLineAsTheStatisticsShowThem) {
    const std::pair<Evaluation, std::array<std::string, 6>> cases[] = {
        // Without a word the average line has no " букв." after it.
        {{Verdict::Loss, 0, 5, 0, 5, 0, -50},
         {"Вы проиграли.", "Сумма букв в набранных вами словах равна 0", "Разница с компьютером 5 букв.",
          "Средняя длина слова 0", "Очки за игру -50", "-50"}},
        {{Verdict::Draw, 0, 0, 0, 0, 0, 0},
         {"Ничья!", "Сумма букв в набранных вами словах равна 0", "Разница с компьютером 0 букв.",
          "Средняя длина слова 0", "Очки за игру 0", "0"}},
        // A word without letters averages 0, in words.
        {{Verdict::Loss, 0, 3, 1, 3, 0, -70},
         {"Вы проиграли.", "Сумма букв в набранных вами словах равна 0", "Разница с компьютером 3 букв.",
          "Средняя длина слова 0 букв.", "Очки за игру -70", "-70"}},
    };
    for (const auto& [evaluation, lines] : cases) EXPECT_EQ(StatisticsLines(evaluation), lines) << lines[4];
}

}  // namespace
}  // namespace torvel::test
