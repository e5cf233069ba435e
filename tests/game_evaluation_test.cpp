// Tests of the evaluation: verdict, statistics and points.
#include <gtest/gtest.h>

#include "game/evaluation.h"

namespace torvel {
namespace {

TEST(Evaluate, GivesTheVerdictStatisticsAndPoints) {
    struct Case {
        int player, computer, wordcount;
        Verdict verdict;
        int difference, average, points;
    };
    const Case cases[] = {
        // The worked examples.
        {23, 17, 4, Verdict::Win, 6, 6, 303},
        {10, 40, 2, Verdict::Loss, 30, 5, 310},
        {12, 12, 3, Verdict::Draw, 0, 4, 92},
        {0, 5, 0, Verdict::Loss, 5, 0, -50},
        {9, 12, 2, Verdict::Loss, 3, 5, 39},
        {12, 9, 3, Verdict::Win, 3, 4, 100 + 12 + 30 + 80},
        // Nothing played at all.
        {0, 0, 0, Verdict::Draw, 0, 0, 0},
        // Averages round halves up.
        {7, 7, 2, Verdict::Draw, 0, 4, 7 + 80},
        {10, 10, 3, Verdict::Draw, 0, 3, 10 + 60},
        {11, 11, 3, Verdict::Draw, 0, 4, 11 + 80},
        {5, 5, 2, Verdict::Draw, 0, 3, 5 + 60},
        // A word count with no letters divides safely.
        {0, 3, 1, Verdict::Loss, 3, 0, -100 + 30},
        {150, 3, 20, Verdict::Win, 147, 8, 100 + 150 + 1470 + 160},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.player) + " : " + std::to_string(c.computer) +
                     ", n = " + std::to_string(c.wordcount));
        const Evaluation e = Evaluate(c.player, c.computer, c.wordcount);
        EXPECT_EQ(e, (Evaluation{c.verdict, c.player, c.computer, c.wordcount, c.difference, c.average, c.points}));
    }
}

}  // namespace
}  // namespace torvel
