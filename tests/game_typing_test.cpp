// Tests of what the word base lets the player's typing correct, and of Ё
// taken as Е in the player's word.
#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "game/game.h"
#include "game/typing.h"
#include "game/word_base.h"
#include "tests/support/scripted_random.h"
#include "tests/support/temp_base.h"

namespace torvel {
namespace {

constexpr int kLines = WordBase::kLines;

double DrawOf(int n) { return (n + 0.5) / kLines; }
double StartAfter(int s) { return (s + 0.5) / Game::kStartLines; }

TEST(Typing, EachCorrectionIsOnOnlyWhileTheBaseHoldsNothingItWouldReplace) {
    struct Case {
        const char* why;
        int line;          // 0: no line added
        const char* text;  // UTF-8
        TypingRules rules;
    };
    const Case cases[] = {
        {"Cyrillic capitals only", 0, "", {true, true}},
        {"a Latin word", 5, "DOM", {false, true}},
        {"a Latin word in small letters", 5, "dom", {false, true}},
        {"a mark that stands for a letter key", 5, "ПОРА.", {false, true}},
        {"a shifted mark of a letter key", 5, "\"ПОРА\"", {false, true}},
        {"a mark on no letter key", 5, "ПОРА!", {true, true}},
        {"Ё", 5, "ЁЖ", {true, false}},
        {"ё", 5, "ёж", {true, false}},
        {"both on the last line read", kLines, "ЁЖZ", {false, false}},
        {"both after the last line read", kLines + 1, "ЁЖZ", {true, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        auto lines = FillerLines();
        lines.push_back(std::string(kFiller));
        if (c.line != 0) lines[static_cast<std::size_t>(c.line - 1)] = Utf8ToCp1251(c.text);
        WordBase base = WordBase::FromBytes(JoinLines(lines), "wmbase.txt");
        EXPECT_EQ(TypingRulesFor(base.BytesUsed()), c.rules);
    }
}

// A base whose only source word is ПЕРЕЛЕТНЫЙ, written with Е; the player's
// words lie before any line the computer starts after.
std::vector<std::string> PereletLines(const char* extra) {
    auto lines = FillerLines();
    lines[9] = Utf8ToCp1251("ПЕРЕЛЕТ");
    lines[99] = Utf8ToCp1251("ПЕРЕЛЕТНЫЙ");
    lines[5999] = Utf8ToCp1251("ЛЕТ");
    if (extra != nullptr) lines[7999] = Utf8ToCp1251(extra);
    return lines;
}

TEST(Typing, YoIsTakenAsYeOnlyWhereTheBaseNeverWritesYo) {
    struct Case {
        const char* extra;  // a further line of the base
        const char* entry;
        EntryResult result;
        const char* playerList;
    };
    const Case cases[] = {
        {nullptr, "ПЕРЕЛЁТ", EntryResult::Accepted, "ПЕРЕЛЕТ\r\n"},
        {nullptr, "ЛЁТ", EntryResult::AlreadyPlayed, ""},  // the computer's ЛЕТ
        {nullptr, "ЁЁЁЁ", EntryResult::LetterMissing, ""},  // the source word has three Е
        {"ЁЖ", "ПЕРЕЛЁТ", EntryResult::LetterMissing, ""},
        {"ЁЖ", "ПЕРЕЛЕТ", EntryResult::Accepted, "ПЕРЕЛЕТ\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        WordBase base = WordBase::FromBytes(JoinLines(PereletLines(c.extra)), "wmbase.txt");
        ScriptedRandom random({DrawOf(100), StartAfter(5000 - 1)});
        Game game(base, random);
        EXPECT_EQ(game.typingRules(), TypingRules{});
        game.Start();
        if (c.result != EntryResult::Accepted) {
            ASSERT_TRUE(game.pchod().word);  // ЛЕТ
        }
        EXPECT_EQ(game.entr(Utf8ToCp1251(c.entry)).result, c.result);
        EXPECT_EQ(game.playerListUtf8(), c.playerList);
    }
}

}  // namespace
}  // namespace torvel
