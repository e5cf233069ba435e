// The files beside the word base: the spellings with ё that name a word's
// article, the glosses, and what a damaged, missing or unreadable file gives.
#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "game/word_glosses.h"
#include "game/yo_spellings.h"
#include "tests/support/temp_base.h"
#include "tests/support/temp_folder.h"

namespace torvel {
namespace {

TEST(SideFiles, TheYoIsRestoredAndGlossesTakenWhereTheFilesHaveThemAndDamagedLinesSkipped) {
    // Lines 4 to 7 are damaged: a capital, no ё, a Latin letter, not UTF-8.
    const YoSpellings spellings = YoSpellings::FromText("лёд\r\nёж\nёлка\nЛёд\nдом\nyё\n\xD1\n\nчёй-то\nеё\nёе\n");
    const std::pair<const char*, const char*> titles[] = {
        {"ЛЕД", "лёд"}, {"ЕЖ", "ёж"}, {"ЕЛКА", "ёлка"}, {"ДОМ", "дом"}, {"ЧЕЙ-ТО", "чёй-то"},
        {"ЕЕ", "её"},  // of two spellings of one word the first stands
        {"ЁЖИК", "ёжик"}, {"Tea", "tea"},  // a player's own base
    };
    for (const auto& [word, title] : titles) {
        EXPECT_EQ(Cp1251ToUtf8(spellings.SmallLetters(Utf8ToCp1251(word))), title);
    }
    EXPECT_EQ(spellings.report().Notice(), "Файл wmyo.txt: пропущено повреждённых строк: 4, первая — строка 4");

    // Lines 4 to 9 are damaged: no TAB, no word, no gloss, not UTF-8, a word
    // outside the code page, a second TAB.
    const WordGlosses glosses = WordGlosses::FromText(
        "ЛИГНИТ\tlignite (горн.)\r\nТАВРО\t brand, mark \nТАВРО\tsecond\nАРТЕЛЬ artel\n\tnone\nПУСТО\t \n"
        "БАЙТ\t\xFF\nΩМЕГА\tomega\nТАБ\ta\tb\n");
    EXPECT_EQ(glosses.Gloss(Utf8ToCp1251("ЛИГНИТ")), "lignite (горн.)");
    EXPECT_EQ(glosses.Gloss(Utf8ToCp1251("ТАВРО")), "brand, mark");
    EXPECT_EQ(glosses.size(), 2U);
    EXPECT_EQ(glosses.report().Notice(), "Файл wmgloss.txt: пропущено повреждённых строк: 6, первая — строка 4");
}

TEST(SideFiles, AMissingFileIsNoProblemWhileAFolderInItsPlaceIsNamed) {
    const testing::TempFolder dir;
    const std::string folder = dir.path().string();
    EXPECT_EQ(YoSpellings::Read(folder + "/wmyo.txt").report().Notice(), "");
    EXPECT_EQ(WordGlosses::Read(folder).report().Notice(), "Файл " + folder + ": это папка, а не файл");
}

}  // namespace
}  // namespace torvel
