// Tests of the shared text helpers: plural forms, the code page, lines.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "common/cp1251.h"
#include "common/data_file_error.h"
#include "common/file_bytes.h"
#include "common/font_pixels.h"
#include "common/line_count_text.h"
#include "common/line_reader.h"
#include "common/russian_plural.h"

namespace torvel {
namespace {

TEST(RussianPlural, TakesTheFormTheLastTwoDigitsAskFor) {
    const std::pair<std::size_t, const char*> cases[] = {
        {0, "букв"},   {1, "буква"},  {2, "буквы"},  {4, "буквы"},   {5, "букв"},   {11, "букв"},  {12, "букв"},
        {14, "букв"},  {20, "букв"},  {21, "буква"}, {22, "буквы"},  {25, "букв"},  {101, "буква"},
        {111, "букв"}, {112, "букв"}, {122, "буквы"},
    };
    for (const auto& [count, form] : cases) EXPECT_EQ(RussianPlural(count, "буква", "буквы", "букв"), form) << count;
}

TEST(Cp1251, ConvertsRussianTextBothWays) {
    const std::string word = "\xD2\xCE\xD0\xC2\xC5\xCB\xDC";  // ТОРВЕЛЬ
    EXPECT_EQ(Cp1251ToUtf8(word), "ТОРВЕЛЬ");
    EXPECT_EQ(Utf8ToCp1251("ТОРВЕЛЬ"), word);
    EXPECT_EQ(Utf8ToCp1251("ёЁ№«»"), "\xB8\xA8\xB9\xAB\xBB");
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(one)), one) << byte;
    }
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1251("Аня😀"), "\xC0\xED\xFF?");
    EXPECT_EQ(Utf8ToCp1251("中文"), "??");
    EXPECT_EQ(Utf8ToCp1251("a\xFFz"), "a?z");          // a stray byte
    EXPECT_EQ(Utf8ToCp1251("\xD0"), "?");               // a sequence cut short
}

TEST(Cp1251, UpperCaseMappingOfTheCodePage) {
    struct Case {
        char32_t small;
        char32_t capital;
    };
    const Case cases[] = {
        {U'а', U'А'}, {U'я', U'Я'}, {U'ё', U'Ё'}, {U'ж', U'Ж'}, {U'z', U'Z'},
        {U'і', U'І'}, {U'ў', U'Ў'}, {U'А', U'А'}, {U'5', U'5'}, {U'-', U'-'},
        {U'\b', U'\b'}, {U'\r', U'\r'}, {U'µ', U'µ'}, {U'é', U'é'}, {U'😀', U'😀'},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UpperThroughCp1251(c.small), c.capital) << static_cast<unsigned>(c.small);
    }
}

TEST(SplitLines, EveryKindOfLineEndEndsALine) {
    struct Case {
        const char* bytes;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"", {}},
        {"A", {"A"}},
        {"A\r\nB\r\n", {"A", "B"}},
        {"A\rB\r", {"A", "B"}},
        {"A\nB\n", {"A", "B"}},
        {"A\r\n\r\nB", {"A", "", "B"}},
        {"A\n\rB", {"A", "", "B"}},
        {" A \r\n", {" A "}},
        {"\r\n", {""}},
        {"A\tB\r\n", {"A\tB"}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitLines(c.bytes, 100), c.expected) << c.bytes;
}

TEST(SplitLines, StopsAtTheLimit) {
    EXPECT_EQ(SplitLines("1\r\n2\r\n3\r\n", 2), (std::vector<std::string>{"1", "2"}));
    EXPECT_TRUE(SplitLines("1\r\n", 0).empty());
}

TEST(LineSplitter, PiecesSplitAnywhereGiveTheSameLines) {
    const std::string texts[] = {"A\r\nB\rC\nD", "\r\n\r\n", "AB\r", "\n\rX\r\n", "ONE"};
    for (const std::string& text : texts) {
        for (std::size_t cut = 0; cut <= text.size(); ++cut) {
            LineSplitter lines(100);
            lines.feed(std::string_view(text).substr(0, cut));
            lines.feed(std::string_view(text).substr(cut));
            EXPECT_EQ(std::move(lines).finish(), SplitLines(text, 100)) << text << " cut at " << cut;
        }
    }
}

TEST(LineSplitter, ALineTooLongEndsTheTextCutOneBytePastTheLimit) {
    struct Case {
        const char* text;
        std::size_t maxLines;
        bool wantsMore;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"ABCD\r\nE", 5, true, {"ABCD", "E"}},
        {"ABCDE\r\nF", 5, false, {"ABCDE"}},
        {"AB\r\nABCDEFGH\r\nC", 5, false, {"AB", "ABCDE"}},
        {"AB\r\nABCDEFGH", 1, false, {"AB"}},
    };
    for (const auto& c : cases) {
        LineSplitter lines(c.maxLines, 4);
        EXPECT_EQ(lines.feed(c.text), c.wantsMore) << c.text;
        EXPECT_EQ(std::move(lines).finish(), c.expected) << c.text;
    }
}

TEST(LineCountText, TheNounAgreesWithTheNumber) {
    const std::pair<std::size_t, const char*> cases[] = {
        {0, "0 строк"},     {1, "1 строка"},     {2, "2 строки"},     {4, "4 строки"},
        {5, "5 строк"},     {11, "11 строк"},    {12, "12 строк"},    {14, "14 строк"},
        {21, "21 строка"},  {22, "22 строки"},   {111, "111 строк"},  {11030, "11030 строк"},
        {11031, "11031 строка"}, {10004, "10004 строки"},
    };
    for (const auto& [count, text] : cases) EXPECT_EQ(LineCountText(count), text);
}

TEST(FontPixels, PointsBecomeTheNearestWholePixelsAt96Dpi) {
    const std::pair<double, int> cases[] = {{8.25, 11}, {9.75, 13}, {14.25, 19}, {15.75, 21}, {12, 16}, {0.3, 0}};
    for (const auto& [points, pixels] : cases) EXPECT_EQ(FontPixels(points), pixels) << points;
}

TEST(ReadFileBytes, ErrorsNameTheFileAndTheProblem) {
    const auto dir = std::filesystem::temp_directory_path() / "torvel_common_test";
    std::filesystem::create_directories(dir);
    const auto missing = (dir / "nothing.txt").string();
    std::remove(missing.c_str());
    try {
        ReadFileBytes(missing);
        FAIL() << "a missing file was read";
    } catch (const DataFileError& error) {
        EXPECT_EQ(error.file(), missing);
        EXPECT_EQ(error.problem(), "не найден");
        EXPECT_NE(std::string(error.what()).find(missing), std::string::npos);
    }
    EXPECT_THROW(ReadFileBytes(dir.string()), DataFileError);

    const auto present = dir / "bytes.bin";
    std::ofstream(present, std::ios::binary) << std::string("A\0B\r\n", 5);
    EXPECT_EQ(ReadFileBytes(present.string()), std::string("A\0B\r\n", 5));
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace torvel
