// Tests of the computer's move and of the end of the game it triggers.
#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "game/game.h"
#include "game/word_base.h"
#include "tests/support/scripted_random.h"
#include "tests/support/temp_base.h"

namespace torvel {
namespace {

constexpr int kLines = WordBase::kLines;

double DrawOf(int n) { return (n + 0.5) / kLines; }
double StartAfter(int s) { return (s + 0.5) / Game::kStartLines; }

// ПРОГРАММА on line 20 plus the given words (lines past the base's end
// included); everything else is filler.
WordBase BaseWith(const std::vector<std::pair<int, const char*>>& words) {
    auto lines = FillerLines();
    lines[19] = Utf8ToCp1251("ПРОГРАММА");
    for (const auto& [number, word] : words) {
        const auto index = static_cast<std::size_t>(number - 1);
        if (index >= lines.size()) lines.resize(index + 1, std::string(kFiller));
        lines[index] = Utf8ToCp1251(word);
    }
    return WordBase::FromBytes(JoinLines(lines), "wmbase.txt");
}

TEST(ComputerMove, FindsTheOnlyWordOnLine10OnlyFromStartsBelow10) {
    WordBase base = BaseWith({{10, "РОГ"}});
    struct Case {
        int start;
        bool found;
    };
    const Case cases[] = {{0, true},   {1, true},   {9, true},    {10, false},
                          {11, false}, {19, false}, {4999, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        ScriptedRandom random({DrawOf(20), StartAfter(c.start)});
        Game game(base, random);
        game.Start();
        const MoveOutcome outcome = game.pchod();
        EXPECT_EQ(random.log(), "RNN");
        if (c.found) {
            EXPECT_EQ(outcome.word, Utf8ToCp1251("РОГ"));
            EXPECT_FALSE(outcome.evaluation);
            EXPECT_EQ(game.computerTotal(), 3);
        } else {
            // The source word on line 20 fits but counts as played.
            EXPECT_FALSE(outcome.word);
            ASSERT_TRUE(outcome.evaluation);
            EXPECT_EQ(outcome.evaluation->verdict, Verdict::Draw);
            EXPECT_EQ(game.computerTotal(), 0);
            EXPECT_TRUE(game.computerWords().empty());
        }
    }
}

TEST(ComputerMove, PlaysAWordAndListsItOnTop) {
    WordBase base = BaseWith({{30, "ПАРОМ"}, {40, "ГРАММА"}, {50, "ПАРОМ"}, {60, "ГОРА"}});
    ScriptedRandom random(
        {DrawOf(20), StartAfter(35), StartAfter(35), StartAfter(0), StartAfter(0)});
    Game game(base, random);
    game.Start();
    // Two passes in a row give two words, each on top of the one before.
    EXPECT_EQ(game.pchod().word, Utf8ToCp1251("ГРАММА"));
    EXPECT_EQ(game.computerTotal(), 6);
    EXPECT_EQ(game.computerLastWord(), Utf8ToCp1251("ГРАММА"));
    EXPECT_EQ(game.computerWords(), ToCp1251({"ГРАММА"}));
    // ПАРОМ is found on line 50, its first line after the start.
    EXPECT_EQ(game.pchod().word, Utf8ToCp1251("ПАРОМ"));
    EXPECT_EQ(game.computerWords(), ToCp1251({"ГРАММА", "ПАРОМ"}));
    EXPECT_EQ(game.computerTotal(), 11);
    // From the top, line 30 holds ПАРОМ again: played, so line 60 it is.
    EXPECT_EQ(game.pchod().word, Utf8ToCp1251("ГОРА"));
    const MoveOutcome last = game.pchod();
    EXPECT_FALSE(last.word);
    ASSERT_TRUE(last.evaluation);
    EXPECT_EQ(last.evaluation->verdict, Verdict::Loss);
    EXPECT_EQ(game.computerLastWord(), Utf8ToCp1251("ГОРА"));
    EXPECT_EQ(game.playerTotal(), 0);
    EXPECT_EQ(game.computerTotal(), 15);
    EXPECT_EQ(game.points(), -100 + 0 + 150);
    EXPECT_EQ(random.left(), 0U);
}

TEST(ComputerMove, EvaluatesOnArrivingAtTheLastLineAndStillTestsIt) {
    WordBase base = BaseWith({{kLines, "ГРАММ"}, {kLines + 1, "РОГ"}});
    ScriptedRandom random({DrawOf(20), StartAfter(4999), StartAfter(0)});
    Game game(base, random);
    game.Start();
    const MoveOutcome first = game.pchod();
    ASSERT_TRUE(first.evaluation);
    // The statistics were taken before the word on line 11031 was played.
    EXPECT_EQ(first.evaluation->difference, 0);
    EXPECT_EQ(first.evaluation->verdict, Verdict::Draw);
    EXPECT_EQ(first.word, Utf8ToCp1251("ГРАММ"));
    EXPECT_EQ(game.computerTotal(), 5);
    EXPECT_EQ(game.points(), 0);
    // Line 11032 lies beyond the base: nothing is left to play.
    const MoveOutcome second = game.pchod();
    ASSERT_TRUE(second.evaluation);
    EXPECT_EQ(second.evaluation->verdict, Verdict::Loss);
    EXPECT_FALSE(second.word);
}

TEST(ComputerMove, EndingTheGameCountsThePlayersLastWord) {
    WordBase base = BaseWith({{10, "РОГ"}});
    ScriptedRandom random({DrawOf(20), StartAfter(0)});
    Game game(base, random);
    game.Start();
    const EntryOutcome outcome = game.entr(Utf8ToCp1251("РОГ"));
    ASSERT_EQ(outcome.result, EntryResult::Accepted);
    ASSERT_TRUE(outcome.computerMove);
    EXPECT_FALSE(outcome.computerMove->word);
    ASSERT_TRUE(outcome.computerMove->evaluation);
    const Evaluation& evaluation = *outcome.computerMove->evaluation;
    EXPECT_EQ(evaluation, (Evaluation{Verdict::Win, 3, 0, 1, 3, 3, 100 + 3 + 30 + 60}));
    EXPECT_EQ(game.points(), 193);
    // Ending the game again without further play gives the same evaluation.
    EXPECT_EQ(game.endgame(), evaluation);
}

TEST(ComputerMove, PassingBeforeAnyStartEvaluatesZeroTotals) {
    // The empty source word fits only the empty line, which counts as played.
    WordBase base = BaseWith({{10, ""}, {11, "РОГ"}, {kLines, ""}});
    ScriptedRandom random({StartAfter(0)});
    Game game(base, random);
    const MoveOutcome outcome = game.pchod();
    EXPECT_EQ(random.log(), "N");
    EXPECT_FALSE(outcome.word);
    ASSERT_TRUE(outcome.evaluation);
    const Evaluation& e = *outcome.evaluation;
    EXPECT_EQ(e, (Evaluation{Verdict::Draw, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(game.computerLastWord(), "");
    EXPECT_EQ(game.endgame(), e);
}

}  // namespace
}  // namespace torvel
