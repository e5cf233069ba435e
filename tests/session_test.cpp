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
#include "results/file_lock.h"
#include "session/game_session.h"
#include "session/message_box.h"
#include "session/name_dialog.h"
#include "session/screens.h"
#include "results_test_files.h"
#include "tests/support/scripted_random.h"
#include "tests/support/temp_base.h"

namespace torvel {
namespace {

double DrawOf(int n) { return (n + 0.5) / WordBase::kLines; }
double StartAfter(int s) { return (s + 0.5) / Game::kStartLines; }

// Every screen and dialog at once, writing down what it is asked to do.
class LoggingScreens final : public MainScreen,
                             public StatisticsScreen,
                             public RecordsScreen,
                             public ReviewScreen,
                             public MessageBox,
                             public NameDialog {
public:
    void ShowGame(const Game& g) override {
        log.push_back("game " + std::to_string(g.playerTotal()) + ":" + std::to_string(g.computerTotal()));
    }
    void ClearEntry() override { log.push_back("clear"); }
    void ShowRefusal(EntryResult) override { log.push_back("refused"); }
    void EndProgram() override { log.push_back("end"); }
    void ShowEvaluation(const Evaluation& e) override { log.push_back("statistics " + std::to_string(e.points)); }
    void CloseStatistics() override { log.push_back("close statistics"); }
    void FillTable(const RecordTable&) override { log.push_back("fill table"); }
    void ShowTable(const RecordTable&) override { log.push_back("show table"); }
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
    void Show(const std::string& text) override { log.push_back("message " + text); }
    std::string Ask() override { return Utf8ToCp1251("Игрок"); }

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
    bool open = false;
};

class SessionTest : public ::testing::Test {
protected:
    SessionTest()
        : session(SessionScreens{screens, screens, screens, screens, screens, screens}, random, CraftedBase()) {}

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
    // The computer starts after line 60 and finds nothing.
    const Way ways[] = {
        {"the end button", [](GameSession& s) { s.endgame(); }, false, {"statistics 0"}},
        {"a pass", [](GameSession& s) { s.pchod(); }, true, {"game 0:0", "statistics 0"}},
        {"a word", [](GameSession& s) { s.entr(Utf8ToCp1251("РАМА")); }, true, {"clear", "game 4:0", "statistics 224"}},
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
    }
}

TEST_F(SessionTest, TheTableIsWrittenOnlyWhenChangedAndNoEnteredResultIsLost) {
    const testing::TempFolder folder;
    const std::string path = folder.file("results.tvl");
    testing::WriteBytes(path, testing::TableText(std::vector<std::string>(10, "x"),
                                                 {"-1", "-2", "-3", "-4", "-5", "-6", "-7", "-8", "-9", "-10"}));
    GameSession records(SessionScreens{screens, screens, screens, screens, screens, screens}, random, CraftedBase(),
                        RecordTable(path, std::chrono::milliseconds(50)));
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

}  // namespace
}  // namespace torvel
