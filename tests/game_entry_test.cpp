// Tests of the start of a game and the player's entry.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "common/cp1251.h"
#include "common/data_file_error.h"
#include "game/game.h"
#include "game/seeded_random.h"
#include "game/word_base.h"
#include "tests/support/scripted_random.h"
#include "tests/support/temp_base.h"
#include "tests/support/temp_folder.h"

namespace torvel {
namespace {

constexpr int kLines = WordBase::kLines;

double DrawOf(int n) { return (n + 0.5) / kLines; }
// The random number that makes the computer start after line s.
double StartAfter(int s) { return (s + 0.5) / Game::kStartLines; }

// A base whose only source word is ПРОГРАММА on line 100.
std::vector<std::string> ProgrammaLines() {
    auto lines = FillerLines();
    const std::vector<std::pair<int, const char*>> words = {
        {10, "РОГ"},   {20, "МАМА"},  {30, "РАМА"}, {40, "МАМАМ"},     {50, "ГРАММ"},
        {60, "ПОРА "}, {70, "мама"},  {80, "АРГО"}, {100, "ПРОГРАММА"}, {200, "ПАР"},
    };
    for (const auto& [number, word] : words) {
        lines[static_cast<std::size_t>(number - 1)] = Utf8ToCp1251(word);
    }
    return lines;
}

struct Step {
    const char* entry;
    EntryResult result;
    const char* computerWord;  // the computer's answer to an accepted word
};

TEST(Entry, TestsLettersThenTheBaseThenRepeatsInThisOrder) {
    WordBase base = WordBase::FromBytes(JoinLines(ProgrammaLines()), "wmbase.txt");
    ScriptedRandom random({DrawOf(100)});
    Game game(base, random);
    game.Start();
    ASSERT_EQ(game.sourceWord(), Utf8ToCp1251("ПРОГРАММА"));

    const Step steps[] = {
        {"МАМАМ", EntryResult::LetterMissing, nullptr},  // a third М; МАМАМ is in the base
        {"мама", EntryResult::LetterMissing, nullptr},   // small letters are other letters
        {"ПОРА", EntryResult::UnknownWord, nullptr},     // the base has "ПОРА " with a space
        {"ПОРА ", EntryResult::LetterMissing, nullptr},  // and the source word has no space
        {"АРАП", EntryResult::UnknownWord, nullptr},
        {"", EntryResult::UnknownWord, nullptr},         // the base has no empty line
        {"ПРОГРАММА", EntryResult::AlreadyPlayed, nullptr},
        {"МАМА", EntryResult::Accepted, "РОГ"},
        {"МАМА", EntryResult::AlreadyPlayed, nullptr},
        {"РОГ", EntryResult::AlreadyPlayed, nullptr},    // the computer's word
        {"РАМА", EntryResult::Accepted, "ГРАММ"},
        {"ГРАММ", EntryResult::AlreadyPlayed, nullptr},
        {"АРГО", EntryResult::Accepted, "ПАР"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.entry);
        if (step.result == EntryResult::Accepted) random.Add({StartAfter(0)});
        const EntryOutcome outcome = game.entr(Utf8ToCp1251(step.entry));
        EXPECT_EQ(outcome.result, step.result);
        // The field keeps a word that fails the letters or the base, and is
        // emptied from the repeat test on.
        EXPECT_EQ(outcome.clearEntry, step.result == EntryResult::Accepted ||
                                          step.result == EntryResult::AlreadyPlayed);
        ASSERT_EQ(outcome.computerMove.has_value(), step.computerWord != nullptr);
        if (step.computerWord != nullptr) {
            EXPECT_EQ(outcome.computerMove->word, Utf8ToCp1251(step.computerWord));
            EXPECT_FALSE(outcome.computerMove->evaluation);
        }
    }
    EXPECT_EQ(game.playerTotal(), 12);
    EXPECT_EQ(game.computerTotal(), 11);
    EXPECT_EQ(game.playerWords(), ToCp1251({"МАМА", "РАМА", "АРГО"}));
    EXPECT_EQ(game.computerWords(), ToCp1251({"РОГ", "ГРАММ", "ПАР"}));
    EXPECT_EQ(game.computerLastWord(), Utf8ToCp1251("ПАР"));
    EXPECT_EQ(game.wordcount(), 3);
    EXPECT_EQ(random.left(), 0U);
}

TEST(Entry, AnAcceptedWordIsCountedListedAndAnsweredAtOnce) {
    WordBase base = WordBase::FromBytes(JoinLines(ProgrammaLines()), "wmbase.txt");
    ScriptedRandom random({DrawOf(100), StartAfter(0)});
    Game game(base, random);
    game.Start();
    EXPECT_EQ(random.log(), "RN");
    const EntryOutcome outcome = game.entr(Utf8ToCp1251("ГРАММ"));
    EXPECT_EQ(outcome.result, EntryResult::Accepted);
    EXPECT_EQ(game.playerTotal(), 5);
    EXPECT_EQ(game.playerWords(), ToCp1251({"ГРАММ"}));
    EXPECT_EQ(game.wordcount(), 1);
    // The computer's move followed with one more number and no reseed.
    EXPECT_EQ(random.log(), "RNN");
    EXPECT_EQ(game.computerTotal(), 3);
    EXPECT_EQ(game.computerWords(), ToCp1251({"РОГ"}));
}

TEST(Entry, TheEmptyEntryMatchesAFreeSlotWhenTheBaseHasAnEmptyLine) {
    auto lines = ProgrammaLines();
    lines[kLines - 1] = "";  // line 11031 is still looked up
    WordBase base = WordBase::FromBytes(JoinLines(lines), "wmbase.txt");
    ScriptedRandom random({DrawOf(100)});
    Game game(base, random);
    // Before any start as well as during a game.
    for (int round = 0; round < 2; ++round) {
        const EntryOutcome outcome = game.entr("");
        EXPECT_EQ(outcome.result, EntryResult::AlreadyPlayed);
        EXPECT_TRUE(outcome.clearEntry);
        if (round == 0) game.Start();
    }
    EXPECT_EQ(game.wordcount(), 0);
}

TEST(Entry, BeforeAnyStartEveryLetterIsMissing) {
    WordBase base = WordBase::FromBytes(JoinLines(ProgrammaLines()), "wmbase.txt");
    ScriptedRandom random;
    Game game(base, random);
    EXPECT_EQ(game.entr(Utf8ToCp1251("РОГ")).result, EntryResult::LetterMissing);
    EXPECT_EQ(game.entr("").result, EntryResult::UnknownWord);
    EXPECT_EQ(game.playerTotal(), 0);
    EXPECT_EQ(random.log(), "");
}

TEST(Entry, StartingAgainForgetsTheGameButKeepsTheComputersLastWord) {
    WordBase base = WordBase::FromBytes(JoinLines(ProgrammaLines()), "wmbase.txt");
    ScriptedRandom random({DrawOf(100), StartAfter(0), DrawOf(100)});
    Game game(base, random);
    game.Start();
    ASSERT_EQ(game.entr(Utf8ToCp1251("МАМА")).result, EntryResult::Accepted);
    game.Start();
    EXPECT_EQ(random.log(), "RNNRN");
    EXPECT_EQ(game.playerTotal(), 0);
    EXPECT_EQ(game.computerTotal(), 0);
    EXPECT_TRUE(game.playerWords().empty());
    EXPECT_TRUE(game.computerWords().empty());
    EXPECT_EQ(game.wordcount(), 0);
    EXPECT_EQ(game.computerLastWord(), Utf8ToCp1251("РОГ"));
    // Words of the abandoned game are free again; the new source word is not.
    random.Add({StartAfter(0)});
    EXPECT_EQ(game.entr(Utf8ToCp1251("МАМА")).result, EntryResult::Accepted);
    EXPECT_EQ(game.entr(Utf8ToCp1251("ПРОГРАММА")).result, EntryResult::AlreadyPlayed);
}

TEST(Entry, ErrorsOfTheBaseLeaveTheGameAsItWas) {
    testing::TempFolder dir;
    const std::string path = (dir.path() / "wmbase.txt").string();
    WordBase base(path);
    ScriptedRandom random;
    Game game(base, random);
    for (const auto& action : std::vector<std::function<void()>>{
             [&] { game.Start(); }, [&] { game.entr(""); }, [&] { game.pchod(); }}) {
        try {
            action();
            ADD_FAILURE() << "no error";
        } catch (const DataFileError& error) {
            EXPECT_EQ(std::string(error.what()), "Файл " + path + ": не найден");
        }
    }
    EXPECT_EQ(random.log(), "");
    EXPECT_EQ(game.sourceWord(), "");
}

TEST(Entry, RepeatsAreCaughtPastThreeHundredWords) {
    // Source АБВГДЕЖЗИК and every two- and three-letter word of its letters:
    // far more words than the 300 a fixed table of played words could hold.
    const std::string letters = Utf8ToCp1251("АБВГДЕЖЗИК");
    auto lines = FillerLines();
    lines[0] = letters;
    std::vector<std::string> words;
    for (const char a : letters) {
        for (const char b : letters) {
            if (a != b) words.push_back({a, b});
            for (const char c : letters) {
                if (a != b && b != c && a != c) words.push_back({a, b, c});
            }
        }
    }
    // Spread over the whole base, so the computer finds a word after any start.
    for (std::size_t i = 0; i < words.size(); ++i) lines[1 + i * 13] = words[i];
    WordBase base = WordBase::FromBytes(JoinLines(lines), "wmbase.txt");
    SeededRandom random(11);
    Game game(base, random);
    game.Start();
    ASSERT_EQ(game.sourceWord(), letters);

    std::set<std::string> played = {letters};
    std::vector<std::string> order;
    for (const auto& word : words) {
        if (played.size() >= 400) break;
        const EntryOutcome outcome = game.entr(word);
        ASSERT_EQ(outcome.result,
                  played.count(word) ? EntryResult::AlreadyPlayed : EntryResult::Accepted);
        if (outcome.result != EntryResult::Accepted) continue;
        played.insert(word);
        order.push_back(word);
        const auto& answer = outcome.computerMove->word;
        ASSERT_TRUE(answer.has_value());
        ASSERT_TRUE(played.insert(*answer).second) << "the computer repeated a word";
        order.push_back(*answer);
    }
    ASSERT_GT(order.size(), 380U);
    // Early and late words, of either side, are all still known.
    for (const std::size_t index :
         {std::size_t{0}, std::size_t{1}, std::size_t{299}, std::size_t{300}, order.size() - 1}) {
        EXPECT_EQ(game.entr(order[index]).result, EntryResult::AlreadyPlayed) << index;
    }
    EXPECT_EQ(game.wordcount() * 2, static_cast<int>(order.size()));
}

TEST(Entry, AGameTakenUpFromItsPositionPlaysOnAsTheGameItWas) {
    WordBase base = WordBase::FromBytes(JoinLines(ProgrammaLines()), "wmbase.txt");
    ScriptedRandom random({DrawOf(100), StartAfter(0)});
    Game played(base, random);
    played.Start();
    played.entr(Utf8ToCp1251("МАМА"));  // answered with РОГ
    const GamePosition position = played.Position();

    // Positions no game could reach: the player's word, or the source word, changed.
    const std::pair<const char*, const char*> refused[] = {
        {"МАМАМ", nullptr}, {"", nullptr}, {"РОГ", nullptr}, {"ПРОГРАММА", nullptr}, {"МАМА", "ГРАММ"}};
    Game game(base, random);
    for (const auto& [word, source] : refused) {
        GamePosition bad = position;
        bad.playerWords = {Utf8ToCp1251(word)};
        if (source != nullptr) bad.sourceWord = Utf8ToCp1251(source);
        EXPECT_FALSE(game.Restore(bad)) << word;
        EXPECT_TRUE(game.sourceWord().empty()) << word;
    }
    ASSERT_TRUE(game.Restore(position));
    EXPECT_EQ(game.Position(), position);
    for (const char* word : {"МАМА", "РОГ", "ПРОГРАММА"}) {
        EXPECT_EQ(game.entr(Utf8ToCp1251(word)).result, EntryResult::AlreadyPlayed) << word;
    }
    random.Add({StartAfter(0)});
    EXPECT_EQ(game.entr(Utf8ToCp1251("РАМА")).computerMove->word, Utf8ToCp1251("ГРАММ"));
}

}  // namespace
}  // namespace torvel
