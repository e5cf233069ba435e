// The game's flow without windows: when the review of a game can be seen, and
// what the screens are handed on the way.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/cp1251.h"
#include "game/evaluation.h"
#include "game/game.h"
#include "game/word_base.h"
#include "player_files/history_figures.h"
#include "common/data_file_error.h"
#include "results/file_lock.h"
#include "session/game_session.h"
#include "session/screens.h"
#include "tests/support/table_text.h"
#include "tests/support/temp_folder.h"
#include "tests/support/scripted_random.h"
#include "tests/support/temp_base.h"

namespace torvel {
namespace {

double DrawOf(int n) { return (n + 0.5) / WordBase::kLines; }
double StartAfter(int s) { return (s + 0.5) / Game::kStartLines; }

// Every screen at once, writing down what it is asked to do.
class LoggingScreens final : public MainScreen,
                             public StatisticsScreen,
                             public RecordsScreen,
                             public ReviewScreen,
                             public HistoryScreen {
public:
    void ShowGame(const Game& g) override {
        log.push_back("game " + std::to_string(g.playerTotal()) + ":" + std::to_string(g.computerTotal()));
    }
    void ClearEntry() override { log.push_back("clear"); }
    void ShowRefusal(EntryResult) override { log.push_back("refused"); }
    bool OfferSavedGame(std::string_view word, int player, int computer) override {
        log.push_back("offer " + Cp1251ToUtf8(word) + " " + std::to_string(player) + ":" + std::to_string(computer));
        return answer;
    }
    void ShowFileError(const DataFileError& error) override { log.push_back(std::string("message ") + error.what()); }
    void ShowFileProblem(const PlayerFileProblem& problem) override {
        problems.push_back(problem);
        log.push_back("problem");
    }
    void EndProgram() override { log.push_back("end"); }
    void ShowEvaluation(const Evaluation& e) override { log.push_back("statistics " + std::to_string(e.points)); }
    void CloseStatistics() override { log.push_back("close statistics"); }
    void FillTable(const RecordTable&) override { log.push_back("fill table"); }
    void ShowTable(const RecordTable&) override { log.push_back("show table"); }
    std::string AskName() override { return Utf8ToCp1251("Игрок"); }
    void PutAwayTable() override { log.push_back("put away table"); }
    void UnloadTable() override { log.push_back("unload table"); }
    void KeepTableOpen() override { log.push_back("keep table open"); }
    void ShowReview(const GameReview& review) override {
        open = true;
        log.push_back("show review " + Marks(review));
    }
    void RefreshReview(const GameReview& review) override { log.push_back("refresh review " + Marks(review)); }
    bool ReviewOpen() const override { return open; }
    void CloseReview() override {
        open = false;
        log.push_back("close review");
    }
    void ShowHistory(const HistoryFigures& f) override { log.push_back("history " + std::to_string(f.games)); }
    void RefreshHistory(const HistoryFigures& f) override { log.push_back("refresh history " + std::to_string(f.games)); }
    bool HistoryOpen() const override { return historyOpen; }

    // "РАМА+ ГРАММ- ПАРОМ.": found by the player, played by the computer, missed.
    static std::string Marks(const GameReview& review) {
        std::string marks;
        for (const ReviewWord& word : review.words) {
            if (!marks.empty()) marks += ' ';
            marks += Cp1251ToUtf8(word.word);
            marks += word.mark == WordMark::Player ? "+" : word.mark == WordMark::Computer ? "-" : ".";
        }
        return marks;
    }

    std::vector<std::string> log;
    std::vector<PlayerFileProblem> problems;
    bool open = false;
    bool historyOpen = false;
    bool answer = true;
};

class SessionTest : public ::testing::Test {
protected:
    SessionTest() : session(Screens(), random, CraftedBase(), RecordTable(), Files()) {}

    SessionScreens Screens() { return {screens, screens, screens, screens, screens}; }
    PlayerFiles Files() const {
        return PlayerFiles(GameHistory(folder.file("history.txt")), SavedGameFile(folder.file("saved-game.txt")));
    }

    // ПРОГРАММА on line 20, three of its words after it, nothing after line 60.
    static WordBase CraftedBase() {
        std::vector<std::string> lines = FillerLines();
        lines[19] = Utf8ToCp1251("ПРОГРАММА");
        lines[39] = Utf8ToCp1251("РАМА");
        lines[49] = Utf8ToCp1251("ГРАММ");
        lines[59] = Utf8ToCp1251("ПАРОМ");
        return WordBase::FromBytes(JoinLines(lines), "wmbase.txt");
    }

    // The log since the last call.
    std::vector<std::string> Log() { return std::exchange(screens.log, {}); }

    const testing::TempFolder folder;
    LoggingScreens screens;
    ScriptedRandom random;
    GameSession session;
};

TEST_F(SessionTest, TheReviewCanBeSeenFromTheEvaluationUntilTheNextStart) {
    // Before any game, and during one, Ctrl+R and "Разбор" do nothing.
    EXPECT_FALSE(session.ShowReview());
    random.Add({DrawOf(20), StartAfter(0)});
    session.Start();
    session.entr(Utf8ToCp1251("ПАРОМ"));
    EXPECT_FALSE(session.ShowReview());
    EXPECT_EQ(Log(), (std::vector<std::string>{"close review", "game 0:0", "clear", "game 5:4"}));
    // Saved after the move, until the evaluation.
    const PlayerFiles files = Files();
    EXPECT_EQ(files.savedGame().Load(), (GamePosition{.sourceWord = Utf8ToCp1251("ПРОГРАММА"),
                                                    .playerWords = {Utf8ToCp1251("ПАРОМ")},
                                                    .computerWords = {Utf8ToCp1251("РАМА")},
                                                    .playerTotal = 5,
                                                    .computerTotal = 4,
                                                    .computerLastWord = Utf8ToCp1251("РАМА")}));

    session.endgame();
    EXPECT_TRUE(session.ShowReview());
    EXPECT_EQ(Log(), (std::vector<std::string>{"statistics 215", "show review ГРАММ. ПАРОМ+ РАМА-"}));

    // Play goes on after the evaluation: the open review follows it, and
    // shows again when asked, with the same content.
    random.Add({StartAfter(0)});
    session.pchod();
    EXPECT_TRUE(session.ShowReview());
    EXPECT_EQ(Log(), (std::vector<std::string>{"game 5:9", "refresh review ГРАММ- ПАРОМ+ РАМА-",
                                               "show review ГРАММ- ПАРОМ+ РАМА-"}));
    // Evaluated again, it stays one game in the history, with its first
    // evaluation, and is no longer saved.
    session.endgame();
    Log();
    EXPECT_EQ(files.savedGame().Load(), std::nullopt);
    std::vector<HistoryEntry> games = files.history().Read().games;
    ASSERT_EQ(games.size(), 1U);
    games[0].when.clear();
    EXPECT_EQ(games[0], (HistoryEntry{.when = "", .sourceWord = Utf8ToCp1251("ПРОГРАММА"), .verdict = Verdict::Win,
                                      .points = 215, .playerTotal = 5, .computerTotal = 4, .playerWords = 1,
                                      .computerWords = 1, .averageLength = 5, .longestWord = Utf8ToCp1251("ПАРОМ")}));

    // A new game closes it, and there is nothing to review until it is evaluated.
    random.Add({DrawOf(20)});
    session.Start();
    EXPECT_FALSE(session.ShowReview());
    EXPECT_EQ(Log(), (std::vector<std::string>{"close review", "game 0:0"}));
}

TEST_F(SessionTest, EveryWayOfEvaluatingMakesTheReviewAvailable) {
    struct Way {
        const char* what;
        std::function<void(GameSession&)> evaluate;
        bool computerMoves;
        std::vector<std::string> log;
    };
    // An evaluation before the first start has no game to record.
    session.endgame();
    screens.historyOpen = true;
    // The computer starts after line 60 and finds nothing.
    const Way ways[] = {
        {"the end button", [](GameSession& s) { s.endgame(); }, false, {"refresh history 1", "statistics 0"}},
        {"a pass", [](GameSession& s) { s.pchod(); }, true, {"game 0:0", "refresh history 2", "statistics 0"}},
        {"a word", [](GameSession& s) { s.entr(Utf8ToCp1251("РАМА")); }, true,
         {"clear", "game 4:0", "refresh history 3", "statistics 224"}},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        random.Add({DrawOf(20)});
        if (way.computerMoves) random.Add({StartAfter(60)});
        session.Start();
        EXPECT_FALSE(session.reviewAvailable());
        Log();
        way.evaluate(session);
        EXPECT_EQ(Log(), way.log);
        EXPECT_TRUE(session.reviewAvailable());
        EXPECT_EQ(Files().history().Read().games.back().points, std::stoi(way.log.back().substr(11)));
    }
}

TEST_F(SessionTest, TheTableIsWrittenOnlyWhenChangedAndNoEnteredResultIsLost) {
    const testing::TempFolder folder;
    const std::string path = folder.file("results.tvl");
    testing::WriteBytes(path, testing::TableText(std::vector<std::string>(10, "x"),
                                                 {"-1", "-2", "-3", "-4", "-5", "-6", "-7", "-8", "-9", "-10"}));
    GameSession records(Screens(), random, CraftedBase(), RecordTable(path, std::chrono::milliseconds(50)), Files());
    // Only looked at: not written, so a read-only file brings no message.
    const auto old = std::filesystem::last_write_time(path) - std::chrono::hours(1);
    std::filesystem::last_write_time(path, old);
    for (const auto mode : {std::filesystem::perms(0444), std::filesystem::perms(0644)}) {
        std::filesystem::permissions(path, mode);
        records.ShowRecords();
        records.SaveRecords();
        EXPECT_EQ(std::filesystem::last_write_time(path), old);
        EXPECT_EQ(Log(), (std::vector<std::string>{"fill table", "show table"}));
    }
    // A draw with 0 points enters row 0; opening the table again saves it first.
    records.endgame();
    records.func();
    records.ShowRecords();
    RecordTable saved(path);
    saved.load();
    EXPECT_EQ(Cp1251ToUtf8(saved.nameBytes(0) + saved.scoreBytes(0)), "Игрок0");
    // While another copy holds the file the window stays open. A copy that
    // crashed holding it leaves its lock file, and closing again takes it over.
    records.endgame();
    records.func();
    Log();
    {
        const FileLock held(path, std::chrono::milliseconds(0));
        records.SaveRecords();
    }
    EXPECT_EQ(Log().at(0), "keep table open");
    // The system let go of that copy's flock when it ended; its file stays.
    testing::WriteBytes(path + ".lock", "");
    records.SaveRecords();
    saved.load();
    EXPECT_EQ(Cp1251ToUtf8(saved.nameBytes(1) + saved.scoreBytes(1)), "Игрок0");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"results.tvl"});
}

TEST_F(SessionTest, ASavedGameIsOfferedBackTakenUpDeclinedOrSetAside) {
    EXPECT_FALSE(session.OfferSavedGame()) << "nothing saved, nothing asked";
    // ПРОГРАММА with the player's `word` against РАМА.
    const auto saved = [](const char* turn, const char* word) {
        return std::string("torvel-saved-game 1\nsource\tПРОГРАММА\nturn\t") + turn + "\nplayer-total\t" +
               std::to_string(Utf8ToCp1251(word).size()) + "\ncomputer-total\t4\ncomputer-last\tРАМА\nplayer\t" + word +
               "\ncomputer\tРАМА\n";
    };
    const auto setAside = [this](PlayerFileProblem::Kind kind, const char* reason) {
        PlayerFileProblem problem;
        problem.kind = kind;
        problem.file = folder.file("saved-game.txt");
        problem.reason = reason;
        problem.setAsideAs = problem.file + ".bad";
        return std::vector<PlayerFileProblem>{problem};
    };
    const std::string offer = "offer ПРОГРАММА 5:4";
    struct Case {
        const char* what;
        std::string bytes;
        bool answer;
        std::vector<std::string> log;  // of the offer, then of ПАРОМ typed
        bool stays;                    // the saved game is still there
        std::vector<PlayerFileProblem> problems;
    };
    const Case cases[] = {
        {"Да", saved("player", "ПАРОМ"), true, {offer, "game 5:4", "clear", "game 5:4", "refused"}, true, {}},
        {"Нет", saved("player", "ПАРОМ"), false, {offer, "game 0:0", "refused"}, false, {}},
        {"the computer to move, which the game never saves", saved("computer", "ПАРОМ"), true,
         {"problem", "game 0:0", "refused"}, false,
         setAside(PlayerFileProblem::Kind::SavedGameUnreadable, "непонятно, чей ход")},
        {"a bad file", "torvel-saved-game 1\nsource\tПРОГРАММА\n", true, {"problem", "game 0:0", "refused"}, false,
         setAside(PlayerFileProblem::Kind::SavedGameUnreadable, "нет строки «turn»")},
        {"a word the base lacks", saved("player", "ПОРА"), true, {"problem", "game 0:0", "refused"}, false,
         setAside(PlayerFileProblem::Kind::SavedGameNotAllowed, "")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PlayerFiles files = Files();
        testing::WriteBytes(files.savedGame().path(), c.bytes);
        std::filesystem::remove(files.savedGame().path() + ".bad");
        screens.answer = c.answer;
        screens.problems.clear();
        GameSession fresh(Screens(), random, CraftedBase(), RecordTable(), Files());
        random = ScriptedRandom({StartAfter(0)});
        EXPECT_TRUE(fresh.OfferSavedGame());
        // Before a start no word is playable; a game taken up knows its words.
        fresh.entr(Utf8ToCp1251("ПАРОМ"));
        EXPECT_EQ(Log(), c.log);
        EXPECT_EQ(screens.problems, c.problems);
        EXPECT_EQ(std::filesystem::exists(files.savedGame().path()), c.stays);
    }
}

TEST_F(SessionTest, PlayerFilesThatCannotBeWrittenOrReadAreReportedOnceARun) {
    const PlayerFiles files = Files();
    std::filesystem::create_directory(files.history().path());
    random.Add({DrawOf(20), StartAfter(0), StartAfter(0), DrawOf(20)});
    session.Start();
    // The user made the saved game read-only: it is not replaced.
    testing::WriteBytes(files.savedGame().path(), "x");
    std::filesystem::permissions(files.savedGame().path(), std::filesystem::perms(0444));
    session.entr(Utf8ToCp1251("ПАРОМ"));
    session.pchod();
    session.endgame();
    session.Start();
    session.endgame();
    Log();
    ASSERT_EQ(screens.problems.size(), 2U);
    EXPECT_EQ(screens.problems[0].kind, PlayerFileProblem::Kind::GameNotSaved);
    EXPECT_NE(screens.problems[0].reason.find("доступен только для чтения, партия в него не сохранена"),
              std::string::npos);
    EXPECT_EQ(screens.problems[1].kind, PlayerFileProblem::Kind::GameNotRecorded);
    EXPECT_NE(screens.problems[1].reason.find("партия в историю не записана"), std::string::npos);

    // A line of the history that cannot be read is named once.
    std::filesystem::remove(files.history().path());
    testing::WriteBytes(files.history().path(), "torvel-history 1\nне партия\n");
    session.ShowHistory();
    session.ShowHistory();
    EXPECT_EQ(Log(), (std::vector<std::string>{"problem", "history 0", "history 0"}));
    EXPECT_EQ(screens.problems.back().kind, PlayerFileProblem::Kind::LinesSkipped);
    EXPECT_EQ(screens.problems.back().lines, std::vector<int>{2});
    EXPECT_EQ(screens.problems.back().file, files.history().path());
}

}  // namespace
}  // namespace torvel
