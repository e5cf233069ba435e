// The review of a game against a brute-force count over the base's lines, on
// crafted bases and on seeded games over a synthetic base.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "common/cp1251.h"
#include "game/game.h"
#include "game/seeded_random.h"
#include "game/word_base.h"
#include "tests/support/counted_letters.h"
#include "tests/support/scripted_random.h"
#include "tests/support/synthetic_base.h"
#include "tests/support/temp_base.h"

namespace torvel {
namespace {

constexpr int kLines = WordBase::kLines;

double DrawOf(int n) { return (n + 0.5) / kLines; }
double StartAfter(int s) { return (s + 0.5) / Game::kStartLines; }

// Every line 1 to 11031 read in turn; each fitting word kept once and marked
// by the words each side was seen to play. Words of equal length stand in byte
// order, which is the alphabet's for the letters used here (no Ё).
GameReview BruteForceReview(const std::vector<std::string>& lines, const std::string& source,
                            const std::set<std::string>& player, const std::set<std::string>& computer) {
    std::set<std::string> words;
    for (int i = 0; i < kLines; ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        if (!line.empty() && line != source && FitsByCount(line, source)) words.insert(line);
    }
    std::vector<std::string> ordered(words.begin(), words.end());
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const std::string& a, const std::string& b) { return a.size() > b.size(); });

    GameReview review;
    review.sourceWord = source;
    std::map<std::size_t, LengthTally, std::greater<>> lengths;
    for (const std::string& word : ordered) {
        WordMark mark = WordMark::Missed;
        if (player.count(word)) mark = WordMark::Player;
        if (computer.count(word)) mark = WordMark::Computer;
        review.words.push_back({word, mark});
        LengthTally& tally = lengths[word.size()];
        tally.length = word.size();
        ++tally.total;
        if (mark == WordMark::Player) {
            ++review.player;
            ++tally.found;
        }
        if (mark == WordMark::Computer) ++review.computer;
        if (mark == WordMark::Missed) ++review.missed;
    }
    for (const auto& [length, tally] : lengths) review.lengths.push_back(tally);
    return review;
}

// The words each side played, as the game reported them.
struct Played {
    std::set<std::string> player;
    std::set<std::string> computer;

    void Note(const MoveOutcome& move) {
        if (move.word) computer.insert(*move.word);
    }
};

// A step of the player: a word (answered by the computer from `start`), or a
// pass when there is no word.
struct Step {
    const char* word;
    int start;
};

struct CraftedBase {
    const char* what;
    std::vector<std::pair<int, const char*>> lines;  // besides ПРОГРАММА on line 20
    std::vector<Step> steps;
};

std::vector<CraftedBase> CraftedBases() {
    return {
        {"duplicate lines",
         {{30, "РАМА"}, {40, "РАМА"}, {50, "ГРАММ"}, {60, "РАМА"}, {70, "ГРАММ"}, {80, "ПАРОМ"}},
         {{"РАМА", 0}}},
        {"a word on line 11031 found by the player",
         {{30, "ГОРА"}, {kLines, "ПАРОМ"}},
         {{"ПАРОМ", 0}}},
        {"a word on line 11031 missed by both", {{30, "ГОРА"}, {kLines, "ПАРОМ"}}, {{nullptr, 0}}},
        // Nothing after line 10 until the last line: the game is evaluated on
        // arriving there, and the computer then plays the last line.
        {"a word the computer played after the evaluation",
         {{5, "РОГ"}, {kLines, "ПАРОМ"}},
         {{"РОГ", 10}}},
        {"the source word appearing twice",
         {{30, "ГОРА"}, {500, "ПРОГРАММА"}, {600, "МАМА"}},
         {{nullptr, 0}, {"МАМА", 4999}}},
        {"lines that are no playable word",
         {{30, ""}, {31, "рама"}, {32, "РАМА "}, {33, "ДОМ"}, {34, "МАМАМ"}, {35, "МАМА"}, {kLines + 1, "ГОРА"}},
         {}},
    };
}

TEST(GameReview, MatchesABruteForceCountOnCraftedBases) {
    for (const CraftedBase& crafted : CraftedBases()) {
        SCOPED_TRACE(crafted.what);
        std::vector<std::string> lines = FillerLines();
        lines[19] = Utf8ToCp1251("ПРОГРАММА");
        for (const auto& [number, word] : crafted.lines) {
            const auto index = static_cast<std::size_t>(number - 1);
            if (index >= lines.size()) lines.resize(index + 1, std::string(kFiller));
            lines[index] = Utf8ToCp1251(word);
        }
        WordBase base = WordBase::FromBytes(JoinLines(lines), "wmbase.txt");
        ScriptedRandom random({DrawOf(20)});
        Game game(base, random);
        game.Start();

        Played played;
        for (const Step& step : crafted.steps) {
            random.Add({StartAfter(step.start)});
            if (step.word == nullptr) {
                played.Note(game.pchod());
                continue;
            }
            const EntryOutcome outcome = game.entr(Utf8ToCp1251(step.word));
            ASSERT_EQ(outcome.result, EntryResult::Accepted) << step.word;
            played.player.insert(Utf8ToCp1251(step.word));
            played.Note(*outcome.computerMove);
        }
        EXPECT_EQ(game.Review(), BruteForceReview(lines, game.sourceWord(), played.player, played.computer));
    }
}

TEST(GameReview, MatchesABruteForceCountOverSeededGames) {
    // A synthetic base with some lines repeated further down.
    std::vector<std::string> lines = SyntheticBaseLines(7);
    for (std::size_t i = 97; i < lines.size(); i += 97) lines[i] = lines[i - 90];
    WordBase base = WordBase::FromBytes(JoinLines(lines), "wmbase.txt");

    std::mt19937 choices(11);
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE(seed);
        SeededRandom random(seed);
        Game game(base, random);
        game.Start();
        const std::string source = game.sourceWord();
        std::vector<std::string> fitting;
        for (int i = 0; i < kLines; ++i) {
            const std::string& line = lines[static_cast<std::size_t>(i)];
            if (!line.empty() && FitsByCount(line, source)) fitting.push_back(line);
        }

        Played played;
        for (int action = 1; action <= 12; ++action) {
            // Mostly words, some of them repeats or the source word; now and
            // then a pass.
            if (choices() % 4 == 0 || fitting.empty()) {
                played.Note(game.pchod());
            } else {
                const std::string& word = fitting[choices() % fitting.size()];
                const EntryOutcome outcome = game.entr(word);
                if (outcome.result == EntryResult::Accepted) {
                    played.player.insert(word);
                    played.Note(*outcome.computerMove);
                }
            }
            if (action % 4 == 0) {
                ASSERT_EQ(game.Review(), BruteForceReview(lines, source, played.player, played.computer));
            }
        }
    }
}

TEST(GameReview, OrdersLongestFirstThenByTheAlphabetAndCountsEachLength) {
    const auto word = [](const char* utf8, WordMark mark) { return ReviewWord{Utf8ToCp1251(utf8), mark}; };
    const GameReview review = SummariseReview(
        Utf8ToCp1251("ПЕРЕЛЁТНЫЙ"),
        {word("ЕЛЬ", WordMark::Missed), word("ЁРШ", WordMark::Player), word("ПЕРЕЛЁТ", WordMark::Player),
         word("ЖЕЛ", WordMark::Computer), word("ЕЁ", WordMark::Missed), word("АЯ", WordMark::Computer)});

    std::vector<std::string> order;
    for (const ReviewWord& w : review.words) order.push_back(Cp1251ToUtf8(w.word));
    // Ё sorts after Е and before Ж, not before А as its code would have it.
    EXPECT_EQ(order, (std::vector<std::string>{"ПЕРЕЛЁТ", "ЕЛЬ", "ЁРШ", "ЖЕЛ", "АЯ", "ЕЁ"}));
    EXPECT_EQ(review.lengths, (std::vector<LengthTally>{{7, 1, 1}, {3, 1, 3}, {2, 0, 2}}));
    EXPECT_EQ(review.player, 2);
    EXPECT_EQ(review.computer, 2);
    EXPECT_EQ(review.missed, 2);
    EXPECT_EQ(review.total(), 6);
}

}  // namespace
}  // namespace torvel
