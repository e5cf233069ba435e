// Tests of what the word base lets the player's typing correct.
#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "game/typing.h"
#include "game/word_base.h"
#include "tests/support/temp_base.h"

namespace torvel {
namespace {

TEST(Typing, EachCorrectionIsOnOnlyWhileTheBaseHoldsNothingItWouldReplace) {
    constexpr int kLines = WordBase::kLines;
    struct Case {
        int line;          // 0: no line added
        const char* text;  // UTF-8
        TypingRules rules;
    };
    const Case cases[] = {
        {0, "", {true, true}},           {5, "DOM", {false, true}},        {5, "dom", {false, true}},
        {5, "ПОРА.", {false, true}},     {5, "\"ПОРА\"", {false, true}},  {5, "ПОРА!", {true, true}},
        {5, "ЁЖ", {true, false}},        {5, "ёж", {true, false}},
        {kLines, "ЁЖZ", {false, false}}, {kLines + 1, "ЁЖZ", {true, true}},  // only kLines lines are read
    };
    for (const Case& c : cases) {
        auto lines = FillerLines();
        lines.push_back(std::string(kFiller));
        if (c.line != 0) lines[static_cast<std::size_t>(c.line - 1)] = Utf8ToCp1251(c.text);
        WordBase base = WordBase::FromBytes(JoinLines(lines), "wmbase.txt");
        EXPECT_EQ(TypingRulesFor(base.BytesUsed()), c.rules) << c.text << " on line " << c.line;
    }
}

}  // namespace
}  // namespace torvel
