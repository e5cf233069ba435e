// The player's history file, the figures it adds up to, and the saved game.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "common/cp1251.h"
#include "common/data_file_error.h"
#include "history/game_history.h"
#include "history/history_figures.h"
#include "history/saved_game_file.h"
#include "results_test_files.h"

namespace torvel {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

HistoryEntry Game(Verdict verdict, int points, int player, int computer, int words, std::string longest) {
    return {.when = "2026-05-04 18:22:10",
            .sourceWord = "ПРОГРАММА",
            .verdict = verdict,
            .points = points,
            .playerTotal = player,
            .computerTotal = computer,
            .playerWords = words,
            .computerWords = words + 1,
            .averageLength = words == 0 ? 0 : (2 * player + words) / (2 * words),
            .longestWord = std::move(longest)};
}

TEST(GameHistory, GamesComeBackAsAppendedAfterTheVersionLine) {
    const TempFolder folder;
    const GameHistory history(folder.file("history.txt"));
    EXPECT_TRUE(history.Read().games.empty());
    const std::vector<HistoryEntry> games = {Game(Verdict::Win, 303, 23, 17, 4, "ПАРОМ"),
                                             Game(Verdict::Loss, -50, 0, 5, 0, ""),
                                             Game(Verdict::Draw, 92, 12, 12, 3, "ГРАММ")};
    for (const HistoryEntry& game : games) history.Append(game);
    const HistoryReading reading = history.Read();
    EXPECT_EQ(reading.games, games);
    EXPECT_TRUE(reading.skippedLines.empty());
    EXPECT_EQ(ReadBytes(history.path()).substr(0, 17), "torvel-history 1\n");
}

TEST(GameHistory, LinesThatCannotBeReadAreSkippedNamedAndNeverLost) {
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
    WriteBytes(history.path(), file + good.substr(0, 30));

    HistoryReading reading = history.Read();
    EXPECT_EQ(reading.games.size(), 1U);
    EXPECT_EQ(reading.skippedLines, (std::vector<int>{3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(SkippedLinesProblem(reading.skippedLines), "строки 3, 4, 5, 6, 7 и ещё 1 не прочитаны и пропущены");
    EXPECT_EQ(SkippedLinesProblem(std::vector<int>{3, 9}), "строки 3 и 9 не прочитаны и пропущены");
    EXPECT_EQ(SkippedLinesProblem(std::vector<int>{7}), "строка 7 не прочитана и пропущена");

    // The next game starts a line of its own; the cut one stays as it was.
    history.Append(Game(Verdict::Win, 303, 23, 17, 4, "ПАРОМ"));
    reading = history.Read();
    EXPECT_EQ(reading.games.size(), 2U);
    EXPECT_EQ(reading.skippedLines.back(), 8);
    EXPECT_EQ(ReadBytes(history.path()).substr(0, file.size() + 30), file + good.substr(0, 30));
}

TEST(GameHistory, AHistoryThatCannotBeWrittenIsReportedAndLeftAsItWas) {
    const TempFolder folder;
    struct Case {
        const char* what;
        std::string bytes;
        mode_t mode;
        const char* problem;
    };
    const Case cases[] = {
        {"read-only", "torvel-history 1\n", 0444, "доступен только для чтения"},
        {"another version", "torvel-history 2\n", 0644, "это не история партий этой версии игры"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const GameHistory history(folder.file(c.what));
        WriteBytes(history.path(), c.bytes);
        ::chmod(history.path().c_str(), c.mode);
        try {
            history.Append(Game(Verdict::Draw, 0, 0, 0, 0, ""));
            ADD_FAILURE() << "appended";
        } catch (const DataFileError& error) {
            EXPECT_NE(std::string(error.what()).find(c.problem), std::string::npos) << error.what();
        }
        EXPECT_EQ(ReadBytes(history.path()), c.bytes);
    }
    EXPECT_THROW(GameHistory(folder.file("another version")).Read(), DataFileError);
    std::filesystem::create_directory(folder.file("folder"));
    EXPECT_THROW(GameHistory(folder.file("folder")).Append(Game(Verdict::Draw, 0, 0, 0, 0, "")), DataFileError);
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
    EXPECT_EQ(figures.longestWord, "ПРОГРЕСС");
    EXPECT_EQ(figures.longestWordLetters, 8);  // letters, not the bytes of UTF-8
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

TEST(SavedGameFile, AGameComesBackAsSavedAndABadFileIsMovedAside) {
    const TempFolder folder;
    const SavedGameFile file(folder.file("saved-game.txt"));
    EXPECT_EQ(file.Load(), std::nullopt);
    const GamePosition game{.sourceWord = Utf8ToCp1251("ПРОГРАММА"),
                            .playerWords = {Utf8ToCp1251("РАМА"), "", Utf8ToCp1251("ПАРОМ")},
                            .computerWords = {Utf8ToCp1251("ГРАММ")},
                            .playerTotal = 9,
                            .computerTotal = 5,
                            .computerLastWord = Utf8ToCp1251("ГРАММ"),
                            .turn = Turn::Computer};
    file.Save(game);
    EXPECT_EQ(file.Load(), game);

    const std::string head = "torvel-saved-game 1\nsource\tПРОГРАММА\nturn\tplayer\n";
    const std::string tail = "computer-last\t\nplayer\tРАМА\n";
    struct Case {
        std::string bytes;
        const char* problem;
    };
    const Case cases[] = {
        {"torvel-saved-game 2\n", "это не сохранённая партия этой версии игры"},
        {head + "player-total\t5\ncomputer-total\t0\n" + tail, "сумма букв 5 не сходится со словами"},
        {head + "player-total\t4\n" + tail, "нет строки «computer-total»"},
        {head + "player-total\t4\ncomputer-total\t0\nturn\tplayer\n" + tail, "строка 6: «turn» второй раз"},
        {head + "player-total\t4\ncomputer-total\t0\n" + tail + "judge\tМАМА\n", "строка 8: неизвестное название"},
        {head + "player-total\t4\ncomputer-total\t0\n" + tail + "player\tМИР日\n", "строка 8: в слове есть знак"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.problem);
        WriteBytes(file.path(), c.bytes);
        try {
            file.Load();
            ADD_FAILURE() << "read";
        } catch (const DataFileError& error) {
            EXPECT_NE(std::string(error.what()).find(c.problem), std::string::npos) << error.what();
        }
    }
    EXPECT_EQ(file.MoveAside(), file.path() + ".bad");
    WriteBytes(file.path(), "x");
    EXPECT_EQ(file.MoveAside(), file.path() + ".bad.2");
    EXPECT_EQ(ReadBytes(file.path() + ".bad"), cases[std::size(cases) - 1].bytes);
    file.Save(game);
    file.Remove();
    file.Remove();
    EXPECT_EQ(file.Load(), std::nullopt);
}

}  // namespace
}  // namespace torvel
