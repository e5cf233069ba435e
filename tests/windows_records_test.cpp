// The statistics and best-results windows: entering a result or not, closing
// them, reopening the table, and a results file that cannot be used. The
// statistics of all games, opened from the best results, and the game's keys
// pressed in each window.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <csignal>

#include "player_files/player_files.h"
#include "results/file_lock.h"
#include "windows/file_problem_text.h"
#include "windows/frmtorvel.h"
#include "windows_test_support.h"

namespace torvel::test {
namespace {

class RecordsTest : public ::testing::Test {
protected:
    RecordsTest() : window(messages, names, random) {}

    void SetUp() override {
        ASSERT_TRUE(window.Form_Load());
        window.show();
    }

    QWidget* statistics() const { return TopLevel("frmtvlstat"); }
    QWidget* records() const { return TopLevel("frmbre"); }
    QString Cell(const char* column, int row) const {
        return records()->findChild<QLabel*>(QStringLiteral("%1_%2").arg(QLatin1String(column)).arg(row))->text();
    }
    // "Закончить игру" before any start: a draw with 0 points.
    void EndTheGame() { Click(&window, "VantorButton5"); }
    std::string results() const { return folder.Read(QStringLiteral("results.tvl")); }

    GameFolder folder;
    RecordingMessageBox messages;
    ScriptedNameDialog names;
    ScriptedRandom random;
    frmtorvel window;
};

TEST_F(RecordsTest, PointsBelowEveryScoreShowTheTableUnchangedWithoutAskingAName) {
    EndTheGame();
    const std::string before = results();
    Click(statistics(), "VantorButton1");

    EXPECT_EQ(names.asked, 0);
    EXPECT_FALSE(statistics()->isVisible());
    EXPECT_TRUE(records()->isVisible());
    EXPECT_EQ(Cell("Label2", 0), QStringLiteral("Анна"));
    EXPECT_EQ(Cell("Label1", 9), QStringLiteral("10"));
    records()->close();
    EXPECT_EQ(results(), before);
}

TEST_F(RecordsTest, TheStatisticsCloseBoxEntersNothing) {
    folder.WriteResults({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"},
                        {"9", "8", "7", "6", "5", "4", "3", "2", "1", "-1"});
    const std::string before = results();
    EndTheGame();
    ASSERT_TRUE(statistics()->isVisible());
    statistics()->close();

    EXPECT_FALSE(statistics()->isVisible());
    EXPECT_EQ(names.asked, 0);
    EXPECT_FALSE(records() && records()->isVisible());
    EXPECT_EQ(results(), before);
}

TEST_F(RecordsTest, OpeningTheTableWhileItIsOpenReadsTheFileAgain) {
    Click(&window, "VantorButton1");
    ASSERT_TRUE(records()->isVisible());
    EXPECT_EQ(Cell("Label2", 0), QStringLiteral("Анна"));

    folder.WriteResults({"Яна", "b", "c", "d", "e", "f", "g", "h", "i", "j"},
                        {"900", "8", "7", "6", "5", "4", "3", "2", "1", "-1"});
    Click(&window, "VantorButton1");
    EXPECT_TRUE(records()->isVisible());
    EXPECT_EQ(Cell("Label2", 0), QStringLiteral("Яна"));
    EXPECT_EQ(Cell("Label1", 0), QStringLiteral("900"));

    // "Далее" with the window open: read again, then the result entered there.
    folder.WriteResults({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"},
                        {"9", "8", "7", "6", "5", "4", "3", "2", "1", "-1"});
    EndTheGame();
    names.answers = {QStringLiteral("Ноль")};
    Click(statistics(), "VantorButton1");
    EXPECT_EQ(Cell("Label2", 0), QStringLiteral("a"));
    EXPECT_EQ(Cell("Label2", 9), QStringLiteral("Ноль"));
    EXPECT_EQ(Cell("Label1", 9), QStringLiteral("0"));
    EXPECT_TRUE(records()->isVisible());
    EXPECT_TRUE(messages.shown.empty());
}

// A results file that cannot be used, and what is on disk in its place.
struct BrokenResults {
    const char* what;
    std::function<void(GameFolder&)> make;
    const char* problem;  // a word of the message
};

std::vector<BrokenResults> BrokenResultsCases() {
    return {
        {"missing", [](GameFolder& folder) { folder.Remove(QStringLiteral("results.tvl")); }, "не найден"},
        {"short", [](GameFolder& folder) { folder.Write(QStringLiteral("results.tvl"), "a\r\nb\r\n1\r\n"); }, ""},
        {"a folder",
         [](GameFolder& folder) {
             folder.Remove(QStringLiteral("results.tvl"));
             QDir(folder.path(QString())).mkdir(QStringLiteral("results.tvl"));
         },
         ""},
    };
}

TEST_F(RecordsTest, AnUnusableResultsFileIsReportedAndNeverWrittenOver) {
    for (const BrokenResults& broken : BrokenResultsCases()) {
        SCOPED_TRACE(broken.what);
        messages.shown.clear();
        broken.make(folder);
        const std::string before = results();

        // From the main window: told, nothing shown.
        Click(&window, "VantorButton1");
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("results.tvl"))) << messages.shown[0].toStdString();
        EXPECT_TRUE(messages.shown[0].contains(QString::fromUtf8(broken.problem)));
        EXPECT_FALSE(records() && records()->isVisible());

        // From "Далее": told, nothing entered, the statistics stay for another try.
        EndTheGame();
        Click(statistics(), "VantorButton1");
        ASSERT_EQ(messages.shown.size(), 2u);
        EXPECT_TRUE(messages.shown[1].contains(QStringLiteral("results.tvl")));
        EXPECT_EQ(names.asked, 0);
        EXPECT_TRUE(statistics()->isVisible());
        EXPECT_FALSE(records() && records()->isVisible());
        EXPECT_EQ(results(), before);

        // Mended, the same statistics window enters the result.
        QDir(folder.path(QString())).rmdir(QStringLiteral("results.tvl"));
        folder.WriteResults({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"},
                            {"9", "8", "7", "6", "5", "4", "3", "2", "1", "-1"});
        names.answers = {QStringLiteral("Снова")};
        Click(statistics(), "VantorButton1");
        EXPECT_EQ(names.asked, 1);
        names.asked = 0;
        EXPECT_FALSE(statistics()->isVisible());
        ASSERT_TRUE(records()->isVisible());
        EXPECT_EQ(Cell("Label2", 9), QStringLiteral("Снова"));
        records()->close();
    }
}

TEST_F(RecordsTest, ATableThatFailsToReloadIsPutAwayUnsaved) {
    Click(&window, "VantorButton1");
    ASSERT_TRUE(records()->isVisible());
    folder.Write(QStringLiteral("results.tvl"), "only\r\nthree\r\nlines\r\n");

    Click(&window, "VantorButton1");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("results.tvl")));
    EXPECT_FALSE(records()->isVisible());
    EXPECT_EQ(results(), "only\r\nthree\r\nlines\r\n");
}

// Files larger than a few bytes cannot be written while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

TEST_F(RecordsTest, ASaveThatFailsIsReportedAndLeavesTheOldFile) {
    folder.WriteResults({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"},
                        {"9", "8", "7", "6", "5", "4", "3", "2", "1", "-1"});
    const std::string before = results();
    EndTheGame();
    names.answers = {QStringLiteral("Новый рекорд")};
    Click(statistics(), "VantorButton1");
    {
        const FileLock held("results.tvl", std::chrono::milliseconds(0));  // another copy's
        Click(records(), "VantorButton1");
    }
    ASSERT_TRUE(records()->isVisible());
    EXPECT_EQ(messages.shown.size(), 1u);
    messages.shown.clear();
    {
        const FileSizeLimit limit(8);
        Click(records(), "VantorButton1");
    }
    EXPECT_FALSE(records()->isVisible());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("results.tvl"))) << messages.shown[0].toStdString();
    EXPECT_EQ(results(), before);
}

// The lines of the statistics of all games that are shown.
QStringList HistoryLines() {
    QStringList lines;
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
        auto* label = TopLevel("frmhistory")->findChild<QLabel*>(QString::fromLatin1(name));
        if (label->isVisible()) lines.append(label->text());
    }
    return lines;
}

void PressInActiveWindow(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

TEST_F(RecordsTest, TheStatisticsOfAllGamesShowTheHistoryAndFollowTheGamesPlayed) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    PressInActiveWindow(Qt::Key_I);
    EXPECT_EQ(HistoryLines(), QStringList{QStringLiteral("Сыгранных партий пока нет.")});
    TopLevel("frmhistory")->close();

    folder.Write(QStringLiteral("history.txt"),
                 "torvel-history 1\n"
                 "2026-05-04 18:22:10\tПРОГРАММА\tпобеда\t303\t23\t17\t4\t5\t6\tПАРОМ\n"
                 "2026-05-04 18:40:00\tПРОГРАММА\tпоражение\t-50\t0\t5\t0\t1\t0\t\n");
    Click(&window, "VantorButton1");
    Click(records(), "VantorButton2");  // "История"
    QWidget* const history = TopLevel("frmhistory");
    EXPECT_TRUE(QTest::qWaitForWindowActive(history));
    EXPECT_EQ(HistoryLines(), (QStringList{QStringLiteral("Сыграно партий: 2"),
                                           QStringLiteral("Побед: 1 (50\u00A0%), ничьих: 0, поражений: 1"),
                                           QStringLiteral("Лучший результат: 303 очка, в среднем: 127"),
                                           QStringLiteral("Самое длинное слово: ПАРОМ, 5 букв"),
                                           QStringLiteral("Средняя длина слова: 5,8 буквы")}));
    QAccessibleInterface* const chart =
        QAccessible::queryAccessibleInterface(history->findChild<QWidget*>(QStringLiteral("Chart1")));
    EXPECT_TRUE(chart->object()->property("visible").toBool());
    EXPECT_EQ(chart->role(), QAccessible::Chart);
    EXPECT_EQ(chart->text(QAccessible::Description),
              QStringLiteral("Очки за последние 2 партии, от давней к последней: 303, победа; -50, поражение."));

    // A game ended while the window is open is added to it: МАМА against
    // РАМА, a draw of 4 letters, 4 + 20 × 4 = 84 points.
    random.numbers = {DrawSourceWord(), ComputerStartsAfter(0)};
    Click(&window, "cmdstart");
    Type(window.findChild<QWidget*>(QStringLiteral("Text1")), QStringLiteral("мама"));
    Click(&window, "VantorButton4");
    EndTheGame();
    EXPECT_EQ(HistoryLines().front(), QStringLiteral("Сыграно партий: 3"));
    EXPECT_TRUE(folder.Read(QStringLiteral("history.txt")).ends_with("\tПРОГРАММА\tничья\t84\t4\t4\t1\t1\t4\tМАМА\n"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RecordsTest, TheGamesKeysWorkInEachOfItsWindows) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    random.numbers = {DrawSourceWord(), DrawSourceWord()};
    PressInActiveWindow(Qt::Key_N);
    EndTheGame();
    // Each key pressed in the window the one before opened.
    const std::pair<const char*, Qt::Key> steps[] = {
        {"frmtvlstat", Qt::Key_R}, {"frmreview", Qt::Key_I}, {"frmhistory", Qt::Key_H}, {"frmbre", Qt::Key_F2}};
    for (const auto& [where, key] : steps) {
        QWidget* const opened = TopLevel(where);
        ASSERT_TRUE(opened != nullptr && QTest::qWaitForWindowActive(opened)) << where;
        PressInActiveWindow(key, key == Qt::Key_F2 ? Qt::NoModifier : Qt::ControlModifier);
    }
    // F2 in the best results started a new game and gave the keyboard back to it.
    EXPECT_TRUE(random.numbers.empty());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), window.findChild<QWidget*>(QStringLiteral("Text1")));
}

TEST(FileProblemText, NamesTheFileTheLinesSkippedAndWhereASavedGameWent) {
    PlayerFileProblem problem;
    problem.file = "f";
    problem.kind = PlayerFileProblem::Kind::LinesSkipped;
    const std::pair<std::vector<int>, std::string> skipped[] = {
        {{3, 4, 5, 6, 7, 8}, "строки 3, 4, 5, 6, 7 и ещё 1 не прочитаны и пропущены"},
        {{3, 9}, "строки 3 и 9 не прочитаны и пропущены"},
        {{7}, "строка 7 не прочитана и пропущена"}};
    for (const auto& [lines, text] : skipped) {
        problem.lines = lines;
        EXPECT_EQ(FileProblemText(problem), "Файл f: " + text);
    }
    problem.kind = PlayerFileProblem::Kind::SavedGameUnreadable;
    problem.reason = "нет строки «turn»";
    problem.setAsideAs = "f.bad";
    EXPECT_EQ(FileProblemText(problem), "Файл f: нет строки «turn»; партия отложена в файл f.bad");
    problem.kind = PlayerFileProblem::Kind::SavedGameNotAllowed;
    problem.setAsideAs.clear();
    problem.setAsideReason = "нет свободного имени";
    EXPECT_EQ(FileProblemText(problem), "Файл f: в сохранённой партии есть слово, которого нет в словаре игры или не "
                                        "было в ней; отложить его не удалось: нет свободного имени");
}

}  // namespace
}  // namespace torvel::test
