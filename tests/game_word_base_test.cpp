// Tests of the word base: loading and its errors, line ends, the lookup, the
// draw of a source word and the letter test behind the computer's scan.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <random>

#include "common/cp1251.h"
#include "common/data_file_error.h"
#include "common/line_reader.h"
#include "game/letter_pool.h"
#include "game/word_base.h"
#include "tests/support/scripted_random.h"
#include "tests/support/temp_base.h"
#include "tests/support/temp_folder.h"

namespace torvel {
namespace {

constexpr int kLines = WordBase::kLines;

// The random number that draws line n.
double DrawOf(int n) { return (n + 0.5) / kLines; }

std::string Problem(const std::function<void()>& action) {
    try {
        action();
    } catch (const DataFileError& error) {
        return error.problem();
    }
    return "(no error)";
}

TEST(WordBase, RefusesUnusableFilesNamingFileAndProblem) {
    const std::string tooLong(1001, 'A');
    const auto withLine = [](int number, const std::string& text, std::size_t count = kLines) {
        auto lines = FillerLines();
        lines.resize(count, "#");
        lines[static_cast<std::size_t>(number - 1)] = text;
        return JoinLines(lines);
    };
    struct Case {
        const char* name;
        std::string bytes;
        const char* problem;
    };
    const Case cases[] = {
        {"empty", "", "0 строк вместо 11031"},
        {"one line", "ПРОГРАММА", "1 строка вместо 11031"},
        {"three lines", "А\r\nБ\r\nВ\r\n", "3 строки вместо 11031"},
        {"twelve lines", JoinLines(std::vector<std::string>(12, "#")), "12 строк вместо 11031"},
        {"21 lines", JoinLines(std::vector<std::string>(21, "#")), "21 строка вместо 11031"},
        {"one line short", JoinLines(std::vector<std::string>(kLines - 1, "#")),
         "11030 строк вместо 11031"},
        {"overlong line", withLine(5, tooLong), "строка 5 длиннее 1000 символов"},
        // The overlong line is named even when the file is short as well.
        {"overlong line in a short file", withLine(7, tooLong, 8),
         "строка 7 длиннее 1000 символов"},
        {"overlong last line", withLine(kLines, tooLong), "строка 11031 длиннее 1000 символов"},
        {"overlong last line without terminator",
         JoinLines(std::vector<std::string>(kLines - 1, "#")) + tooLong,
         "строка 11031 длиннее 1000 символов"},
    };
    testing::TempFolder dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.Write("wmbase.txt", c.bytes);
        WordBase base(path);
        try {
            base.Load();
            ADD_FAILURE() << "loaded";
        } catch (const DataFileError& error) {
            EXPECT_EQ(error.file(), path);
            EXPECT_EQ(error.problem(), c.problem);
            EXPECT_EQ(std::string(error.what()), "Файл " + path + ": " + c.problem);
        }
        EXPECT_EQ(Problem([&] { WordBase::FromBytes(c.bytes, "wmbase.txt"); }), c.problem);
    }
}

TEST(WordBase, ReportsFilesThatCannotBeRead) {
    testing::TempFolder dir;
    const std::string missing = (dir.path() / "wmbase.txt").string();
    EXPECT_EQ(Problem([&] { WordBase(missing).Load(); }), "не найден");
    // Every use meets the error, not only loading.
    WordBase base(missing);
    ScriptedRandom random;
    EXPECT_THROW(base.proverca("А"), DataFileError);
    EXPECT_THROW(base.DrawSourceWord(random), DataFileError);
    EXPECT_THROW(base.FittingLines("А"), DataFileError);
    EXPECT_EQ(random.log(), "");

    std::filesystem::create_directory(dir.path() / "folder");
    EXPECT_EQ(Problem([&] { WordBase((dir.path() / "folder").string()).Load(); }),
              "не удалось прочитать: это папка, а не файл");
}

TEST(WordBase, AcceptsALineOfTheLongestAllowedLength) {
    auto lines = FillerLines();
    lines[4] = std::string(WordBase::kMaxLineLength, 'A');
    WordBase base = WordBase::FromBytes(JoinLines(lines), "wmbase.txt");
    EXPECT_TRUE(base.proverca(lines[4]));
}

TEST(WordBase, TakesTheDefaultFileFromTheCurrentFolder) {
    testing::TempFolder dir;
    auto lines = FillerLines();
    lines[0] = Utf8ToCp1251("КОТ");
    dir.Write("wmbase.txt", JoinLines(lines));
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    WordBase base;
    EXPECT_EQ(base.path(), "wmbase.txt");
    const bool found = base.proverca(Utf8ToCp1251("КОТ"));
    std::filesystem::current_path(previous);
    EXPECT_TRUE(found);
}

TEST(WordBase, EndsLinesAtCrLfLoneCrAndLoneLf) {
    auto lines = FillerLines();
    lines[0] = Utf8ToCp1251("ПЕРВОЕ");
    lines[1] = "";
    lines[2] = Utf8ToCp1251("СЛОВО ");
    lines[kLines - 1] = Utf8ToCp1251("ПОСЛЕДНЕЕ");
    for (const char* ending : {"\r\n", "\r", "\n"}) {
        SCOPED_TRACE(::testing::PrintToString(std::string(ending)));
        WordBase base = WordBase::FromBytes(JoinLines(lines, ending), "wmbase.txt");
        for (const int number : {1, 2, 3, 4, kLines}) {
            EXPECT_EQ(base.Line(number), lines[static_cast<std::size_t>(number - 1)]) << number;
        }
    }
    // CR LF is one end of line; CR CR and LF CR are two, and a last line needs
    // no terminator.
    WordBase mixed = WordBase::FromBytes(
        "A\r\nB\r\rC\n\rD\n" + JoinLines(std::vector<std::string>(kLines - 7, "#")) + "Z",
        "wmbase.txt");
    const char* const expected[] = {"A", "B", "", "C", "", "D", "#"};
    for (int number = 1; number <= 7; ++number) {
        EXPECT_EQ(mixed.Line(number), expected[number - 1]) << number;
    }
    EXPECT_EQ(mixed.Line(kLines), "Z");
}

TEST(WordBase, LooksUpWholeLinesExactlyAmongTheFirst11031) {
    auto lines = FillerLines();
    lines[0] = Utf8ToCp1251("ДОМ");
    lines[1] = Utf8ToCp1251("СТОЛ ");
    lines[2] = Utf8ToCp1251("кот");
    lines[3] = Utf8ToCp1251("ДОМ");
    lines[kLines - 1] = Utf8ToCp1251("КРАЙ");
    lines.push_back(Utf8ToCp1251("ЗАКРАЙ"));
    lines.push_back(std::string(5000, 'A'));  // never read, so never too long
    testing::TempFolder dir;
    WordBase base(dir.Write("wmbase.txt", JoinLines(lines)));
    struct Case {
        const char* word;
        bool found;
    };
    const Case cases[] = {
        {"ДОМ", true},   {"СТОЛ ", true}, {"СТОЛ", false}, {"кот", true},  {"КОТ", false},
        {"КРАЙ", true},  {"ЗАКРАЙ", false}, {"#", true},   {"", false},    {"ДО", false},
        {"ДОМА", false}, {" ДОМ", false},
    };
    for (const auto& c : cases) EXPECT_EQ(base.proverca(Utf8ToCp1251(c.word)), c.found) << c.word;
    EXPECT_EQ(base.FirstLine(Utf8ToCp1251("ДОМ")), 1);
    EXPECT_EQ(base.FirstLineOf(4), 1);
    EXPECT_EQ(base.FirstLine(Utf8ToCp1251("КРАЙ")), kLines);

    lines[10] = "";
    EXPECT_TRUE(WordBase::FromBytes(JoinLines(lines), "wmbase.txt").proverca(""));
}

TEST(WordBase, FileReaderStopsWhereTheBaseEnds) {
    // Whatever follows the end of line 11031 (its CR already ends it), or the
    // first byte past the length limit, is not read.
    testing::TempFolder dir;
    auto lines = FillerLines();
    lines[kLines - 1] = "LAST";
    const std::string tail(200000, 'x');
    struct Case {
        const char* name;
        std::string bytes;
        std::size_t kept;
    };
    const std::string crlf = JoinLines(lines);
    const std::string cr = JoinLines(lines, "\r");
    const Case cases[] = {
        {"CR LF then a long tail", crlf + tail, crlf.size() - 1},
        {"lone CR then LF of another line", cr + "\n" + tail, cr.size()},
        {"overlong line", "A\r\n" + tail, 3 + WordBase::kMaxLineLength + 1},
        {"no tail", crlf, crlf.size() - 1},
        {"last line without terminator", crlf.substr(0, crlf.size() - 2), crlf.size() - 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> read =
            ReadLeadingLines(dir.Write("base.txt", c.bytes), kLines, WordBase::kMaxLineLength);
        EXPECT_TRUE(read == SplitLines(c.bytes.substr(0, c.kept), kLines));
    }
}

TEST(WordBase, DrawsTheLineChosenByEachRandomNumber) {
    auto lines = FillerLines();
    lines[0] = Utf8ToCp1251("КОРОТКОЕ");                  // 8 letters: too short
    lines[1] = Utf8ToCp1251("ПРОГРАММА");                 // 9: the shortest source word
    lines[2] = Utf8ToCp1251("ПРЕДПРИНИМАТЕЛЬСТВОМ");      // 20: the longest
    lines[3] = Utf8ToCp1251("ПРЕДПРИНИМАТЕЛЬСТВАМИ");     // 21: refused
    lines[4] = Utf8ToCp1251("программист");               // drawn as it stands
    lines[5] = Utf8ToCp1251("ДЕВЯТЬ   ");                 // spaces count as letters
    lines[kLines - 2] = Utf8ToCp1251("ПРЕДПОСЛЕДНЯЯ");
    lines[kLines - 1] = Utf8ToCp1251("ПОСЛЕДНЯЯСТРОКА");
    WordBase base = WordBase::FromBytes(JoinLines(lines), "wmbase.txt");
    struct Case {
        const char* name;
        std::vector<double> numbers;
        const char* word;
        const char* log;
    };
    const Case cases[] = {
        {"line 2", {DrawOf(2)}, "ПРОГРАММА", "RN"},
        {"line 3", {DrawOf(3)}, "ПРЕДПРИНИМАТЕЛЬСТВОМ", "RN"},
        {"too short, then line 2", {DrawOf(1), DrawOf(2)}, "ПРОГРАММА", "RNN"},
        {"too long, then line 3", {DrawOf(4), DrawOf(3)}, "ПРЕДПРИНИМАТЕЛЬСТВОМ", "RNN"},
        {"small letters", {DrawOf(5)}, "программист", "RN"},
        {"trailing spaces", {DrawOf(6)}, "ДЕВЯТЬ   ", "RN"},
        {"filler twice", {DrawOf(100), DrawOf(7000), DrawOf(2)}, "ПРОГРАММА", "RNNN"},
        {"n = 0 on the first attempt has no candidate", {0.0, DrawOf(2)}, "ПРОГРАММА", "RNN"},
        {"n = 0 keeps a refused candidate", {DrawOf(1), 0.0, 0.0, DrawOf(2)}, "ПРОГРАММА", "RNNNN"},
        {"n = 0 right below 1/11031", {0.99 / kLines, DrawOf(2)}, "ПРОГРАММА", "RNN"},
        {"the largest r gives line 11030", {std::nextafter(1.0, 0.0)}, "ПРЕДПОСЛЕДНЯЯ", "RN"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom random(c.numbers);
        EXPECT_EQ(Cp1251ToUtf8(base.DrawSourceWord(random)), c.word);
        EXPECT_EQ(random.log(), c.log);
    }
}

TEST(WordBase, ReportsABaseWithNothingToDrawAtOnce) {
    struct Case {
        const char* name;
        int line;
        std::string text;
    };
    const Case cases[] = {
        {"only short lines", 1, Utf8ToCp1251("ВОСЕМЬ!!")},
        {"only overlong lines", 2, std::string(21, 'A')},
        {"the only long word on line 11031", kLines, Utf8ToCp1251("ПОСЛЕДНЯЯСТРОКА")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto lines = FillerLines();
        lines[static_cast<std::size_t>(c.line - 1)] = c.text;
        WordBase base = WordBase::FromBytes(JoinLines(lines), "wmbase.txt");
        ScriptedRandom random;  // drawing a number here would be an error of its own
        EXPECT_EQ(Problem([&] { base.DrawSourceWord(random); }),
                  "среди строк 1–11030 нет ни одного слова длиной от 9 до 20 букв: "
                  "исходное слово выбрать не из чего");
        // The rest of the base is still usable.
        EXPECT_TRUE(base.proverca(c.text));
    }
}

// The letter test as the rules state it: each letter takes the first free
// position of the source word holding the same letter.
bool PlacesLetters(const std::string& word, const std::string& source) {
    std::vector<bool> used(source.size(), false);
    for (const char letter : word) {
        bool placed = false;
        for (std::size_t k = 0; k < source.size() && !placed; ++k) {
            if (source[k] == letter && !used[k]) used[k] = placed = true;
        }
        if (!placed) return false;
    }
    return true;
}

TEST(LetterPool, AllowsEachLetterAsOftenAsTheSourceWordHasIt) {
    const LetterPool pool(Utf8ToCp1251("ПРОГРАММА"));
    struct Case {
        const char* word;
        bool made;
    };
    const Case cases[] = {
        {"МАМА", true},       {"РАМА", true},        {"МАМАМ", false},     {"ПРОГРАММА", true},
        {"ПРОГРАММАА", false}, {"", true},           {"мама", false},      {"ГРАММ", true},
        {"ПАРОМ", true},      {"РОГ ", false},       {"АА", true},         {"ААА", false},
        {"Б", false},         {"ОО", false},
    };
    for (const auto& c : cases) EXPECT_EQ(pool.CanMake(Utf8ToCp1251(c.word)), c.made) << c.word;
}

TEST(LetterPool, AgreesWithPlacingLettersOneByOne) {
    // Small alphabets, including bytes whose masks collide (A and a differ
    // by 32, 0x01 and 0x41 by 64), make most words near misses.
    const std::string alphabet = "AaBb\x01\x41\xC0\xE0 ";
    std::mt19937 engine(7);
    const auto word = [&](std::size_t maxLength) {
        std::string text(engine() % (maxLength + 1), ' ');
        for (auto& letter : text) letter = alphabet[engine() % alphabet.size()];
        return text;
    };
    for (int trial = 0; trial < 20000; ++trial) {
        const std::string source = word(12);
        const std::string candidate = word(8);
        const LetterPool pool(source);
        const bool viaMask = (LetterMask(candidate) & ~pool.mask()) == 0;
        ASSERT_EQ(pool.CanMake(candidate), PlacesLetters(candidate, source)) << trial;
        // The mask never refuses a word that can be made.
        if (pool.CanMake(candidate)) {
            ASSERT_TRUE(viaMask) << trial;
        }
    }
}

TEST(WordBase, ListsTheLinesWhoseLettersFit) {
    auto lines = FillerLines();
    const std::vector<std::pair<int, const char*>> placed = {
        {3, "МАМА"}, {5, ""}, {8, "МАМАМ"}, {13, "ПРОГРАММА"}, {21, "РАМА "}, {34, "мама"},
        {55, "РОГ"}, {89, "ГРАММОФОН"}, {kLines, "ПАР"},
    };
    for (const auto& [number, word] : placed) {
        lines[static_cast<std::size_t>(number - 1)] = Utf8ToCp1251(word);
    }
    lines.push_back(Utf8ToCp1251("МАРГО"));  // beyond the base
    WordBase base = WordBase::FromBytes(JoinLines(lines), "wmbase.txt");
    EXPECT_EQ(base.FittingLines(Utf8ToCp1251("ПРОГРАММА")),
              (std::vector<int>{3, 5, 13, 55, kLines}));
    EXPECT_EQ(base.FittingLines(""), (std::vector<int>{5}));
    EXPECT_EQ(base.FittingLines("#"), [] {
        std::vector<int> all;
        for (int n = 1; n <= kLines; ++n) {
            const bool placedWord = n == 3 || n == 8 || n == 13 || n == 21 || n == 34 ||
                                    n == 55 || n == 89 || n == kLines;
            if (!placedWord) all.push_back(n);
        }
        return all;
    }());
}

}  // namespace
}  // namespace torvel
