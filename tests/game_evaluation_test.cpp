// Tests of the evaluation: verdict, statistics texts and points.
#include <gtest/gtest.h>

#include "game/evaluation.h"

namespace torvel {
namespace {

TEST(Evaluate, GivesTheVerdictStatisticsAndPoints) {
    struct Case {
        const char* player;
        const char* computer;
        int wordcount;
        const char* verdict;
        const char* difference;
        const char* average;
        double points;
    };
    const Case cases[] = {
        // The worked examples.
        {"23", "17", 4, "Вы выиграли!", "6", "6", 303},
        {"10", "40", 2, "Вы проиграли.", "30", "5", 310},
        {"12", "12", 3, "Ничья!", "0", "4", 92},
        {"0", "5", 0, "Вы проиграли.", "5", nullptr, -50},
        {"9", "12", 2, "Вы проиграли.", "3", "5", 39},
        // Totals compare as numbers, not as texts ("9" > "12" as text).
        {"12", "9", 3, "Вы выиграли!", "3", "4", 100 + 12 + 30 + 80},
        // Nothing played at all.
        {"0", "0", 0, "Ничья!", "0", nullptr, 0},
        // Averages round halves up.
        {"7", "7", 2, "Ничья!", "0", "4", 7 + 80},
        {"10", "10", 3, "Ничья!", "0", "3", 10 + 60},
        {"11", "11", 3, "Ничья!", "0", "4", 11 + 80},
        {"5", "5", 2, "Ничья!", "0", "3", 5 + 60},
        // A word count with no letters (an empty word accepted) divides safely.
        {"0", "3", 1, "Вы проиграли.", "3", "0", -100 + 30},
        {"150", "3", 20, "Вы выиграли!", "147", "8", 100 + 150 + 1470 + 160},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.player) + " : " + c.computer +
                     ", n = " + std::to_string(c.wordcount));
        const Evaluation e = Evaluate(c.player, c.computer, c.wordcount);
        EXPECT_EQ(e.verdict, c.verdict);
        EXPECT_EQ(e.sumLine, std::string("Сумма букв в набранных вами словах равна ") + c.player);
        EXPECT_EQ(e.differenceLine,
                  std::string("Разница с компьютером ") + c.difference + " букв.");
        if (c.average == nullptr) {
            EXPECT_EQ(e.averageLine, "Средняя длина слова 0");
        } else {
            EXPECT_EQ(e.averageLine, std::string("Средняя длина слова ") + c.average + " букв.");
        }
        EXPECT_EQ(e.points, c.points);
        const std::string points = std::to_string(static_cast<long long>(c.points));
        EXPECT_EQ(e.pointsText, points);
        EXPECT_EQ(e.pointsLine, "Очки за игру " + points);
    }
}

TEST(Evaluate, QuotesThePlayersTotalAsItStandsAndReadsItsLeadingNumber) {
    // A total is label text; its number is read by the leading-number rule.
    const Evaluation e = Evaluate("  7 букв", "3x", 1);
    EXPECT_EQ(e.sumLine, "Сумма букв в набранных вами словах равна   7 букв");
    EXPECT_EQ(e.verdict, "Вы выиграли!");
    EXPECT_EQ(e.points, 100 + 7 + 40 + 140);
    EXPECT_EQ(Evaluate("", "abc", 0).verdict, "Ничья!");
}

}  // namespace
}  // namespace torvel
