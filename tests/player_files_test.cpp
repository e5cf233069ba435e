// The player's history file, the figures it adds up to, and the saved game.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "common/cp1251.h"
#include "common/data_file_error.h"
#include "player_files/game_history.h"
#include "player_files/history_figures.h"
#include "player_files/saved_game_file.h"
#include "tests/support/temp_folder.h"

namespace torvel {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

HistoryEntry Game(Verdict verdict, int points, int player, int computer, int words, std::string longest) {
    const int average = words == 0 ? 0 : (2 * player + words) / (2 * words);
    return {"2026-05-04 18:22:10", Utf8ToCp1251("ПРОГРАММА"), verdict, points, player, computer, words, words + 1,
            average, Utf8ToCp1251(longest)};
}

TEST(GameHistory, GamesComeBackAsAppendedAndLinesThatCannotBeReadAreSkippedNamedAndKept) {
    const TempFolder folder;
    const GameHistory history(folder.file("history.txt"));
    const std::string good = "2026-05-04 18:22:10\tПРОГРАММА\tпобеда\t303\t23\t17\t4\t5\t6\tПАРОМ";
    const std::string bad[] = {
        "2026-05-04 18:22:10\tПРОГРАММА\tпобеда\t303\t23\t17\t4\t5\t6",            // a field short
        "2026-05-04 18:22:10\tПРОГРАММА\tпоражение\t303\t23\t17\t4\t5\t6\tПАРОМ",  // totals say a win
        "2026-05-04 18:22:10\tПРОГРАММА\tпобеда\t303\t23\t-1\t4\t5\t6\tПАРОМ",     // a negative total
        "2026-05-04 18:22:10\tПРОГРАММА\tпобеда\t3x\t23\t17\t4\t5\t6\tПАРОМ",      // no number
        "04.05.2026 18:22\tПРОГРАММА\tпобеда\t303\t23\t17\t4\t5\t6\tПАРОМ",        // no time
    };
    std::string file = "torvel-history 1\r\n" + good + "\r\n";
    for (const std::string& line : bad) file += line + "\n";
    // A line cut short by a failed write, at the very end.
    file += good.substr(0, 30);
    WriteBytes(history.path(), file);

    // Each game added starts a line of its own; the cut one stays as it was.
    const std::vector<HistoryEntry> games = {Game(Verdict::Win, 303, 23, 17, 4, "ПАРОМ"),
                                             Game(Verdict::Loss, -50, 0, 5, 0, ""),
                                             Game(Verdict::Draw, 92, 12, 12, 3, "ГРАММ")};
    for (const HistoryEntry& game : games) history.Append(game);
    const HistoryReading reading = history.Read();
    EXPECT_EQ(reading.games.size(), 4U);
    EXPECT_EQ(std::vector<HistoryEntry>(reading.games.begin() + 1, reading.games.end()), games);
    EXPECT_EQ(reading.skippedLines, (std::vector<int>{3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(ReadBytes(history.path()).substr(0, file.size() + 1), file + "\n");
}

// `action` throws the DataFileError that names `problem`.
void ExpectProblem(const std::function<void()>& action, const std::string& problem) {
    try {
        action();
        ADD_FAILURE() << "no error, where " << problem << " was expected";
    } catch (const DataFileError& error) {
        EXPECT_NE(std::string(error.what()).find(problem), std::string::npos) << error.what();
    }
}

TEST(GameHistory, AHistoryThatCannotBeWrittenIsReportedAndLeftAsItWas) {
    const TempFolder folder;
    const std::tuple<const char*, mode_t, const char*> cases[] = {
        {"torvel-history 1\n", 0444, "доступен только для чтения"},
        {"torvel-history 2\n", 0644, "это не история партий этой версии игры"},
    };
    for (const auto& [bytes, mode, problem] : cases) {
        const GameHistory history(folder.file(problem));
        WriteBytes(history.path(), bytes);
        ::chmod(history.path().c_str(), mode);
        ExpectProblem([&] { history.Append(Game(Verdict::Draw, 0, 0, 0, 0, "")); }, problem);
        EXPECT_EQ(ReadBytes(history.path()), bytes);
    }
    ExpectProblem([&] { GameHistory(folder.file("это не история партий этой версии игры")).Read(); }, "версии");
}

TEST(HistoryFigures, AreThoseOfACraftedHistory) {
    std::vector<HistoryEntry> games = {Game(Verdict::Win, 303, 23, 17, 4, "ПАРОМ"),
                                       Game(Verdict::Loss, -50, 0, 5, 0, ""),
                                       Game(Verdict::Draw, 92, 12, 12, 3, "ГРАММ"),
                                       Game(Verdict::Win, 310, 10, 4, 2, "ПРОГРЕСС")};
    HistoryFigures figures = FiguresOf(games);
    EXPECT_EQ(figures.games, 4);
    EXPECT_EQ((std::vector<int>{figures.wins, figures.draws, figures.losses, figures.winPercent}),
              (std::vector<int>{2, 1, 1, 50}));
    EXPECT_EQ(figures.bestPoints, 310);
    EXPECT_DOUBLE_EQ(figures.averagePoints, 655.0 / 4);
    EXPECT_EQ(figures.longestWord, Utf8ToCp1251("ПРОГРЕСС"));
    EXPECT_EQ(figures.longestWordLetters, 8);
    EXPECT_DOUBLE_EQ(figures.averageWordLength, 45.0 / 9);
    EXPECT_EQ(figures.lastGames, (std::vector<ChartGame>{
                                     {303, Verdict::Win}, {-50, Verdict::Loss}, {92, Verdict::Draw}, {310, Verdict::Win}}));

    // The chart keeps the last fifty; a third of the games won rounds to 33 %.
    for (int i = 0; i < 56; ++i) games.push_back(Game(i % 3 ? Verdict::Loss : Verdict::Win, i, 0, 0, 0, "ЁЖ"));
    games.back().verdict = Verdict::Loss;
    figures = FiguresOf(games);
    EXPECT_EQ(figures.lastGames.size(), 50U);
    EXPECT_EQ(figures.lastGames.front().points, 6);
    EXPECT_EQ(figures.winPercent, 35);  // 21 of 60
    EXPECT_EQ(FiguresOf({}), HistoryFigures{});
}

TEST(SavedGameFile, AFileThatCannotBeReadNamesItsLineAndIsMovedAsideNeverOver) {
    const TempFolder folder;
    const SavedGameFile file(folder.file("saved-game.txt"));
    const std::string head = "torvel-saved-game 1\nsource\tПРОГРАММА\nturn\tplayer\n";
    const std::string tail = "computer-last\t\nplayer\tРАМА\n";
    const std::pair<std::string, const char*> cases[] = {
        {"torvel-saved-game 2\n", "это не сохранённая партия этой версии игры"},
        {head + "player-total\t5\ncomputer-total\t0\n" + tail, "сумма букв 5 не сходится со словами"},
        {head + "player-total\t4\n" + tail, "нет строки «computer-total»"},
        {head + "player-total\t4\ncomputer-total\t0\nturn\tplayer\n" + tail, "строка 6: «turn» второй раз"},
        {head + "player-total\t4\ncomputer-total\t0\n" + tail + "judge\tМАМА\n", "строка 8: неизвестное название"},
        {head + "player-total\t4\ncomputer-total\t0\n" + tail + "player\tМИР日\n", "строка 8: в слове есть знак"},
    };
    for (const auto& [bytes, problem] : cases) {
        WriteBytes(file.path(), bytes);
        ExpectProblem([&] { file.Load(); }, problem);
    }
    EXPECT_EQ(file.MoveAside(), file.path() + ".bad");
    WriteBytes(file.path(), "x");
    EXPECT_EQ(file.MoveAside(), file.path() + ".bad.2");
    EXPECT_EQ(ReadBytes(file.path() + ".bad"), cases[std::size(cases) - 1].first);
}

}  // namespace
}  // namespace torvel
