// Tests of reading results.tvl into the table and writing it back.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "common/cp1251.h"
#include "common/data_file_error.h"
#include "common/line_reader.h"
#include "results/number_text.h"
#include "results/record_table.h"
#include "tests/support/table_text.h"
#include "tests/support/temp_folder.h"

namespace torvel {
namespace {

using testing::ReadBytes;
using testing::TableText;
using testing::TempFolder;
using testing::WriteBytes;

// Windows-1251 bytes as they stand in the file: "Иван", "Ёлка", "Мария".
const std::vector<std::string> kNames = {"\xC8\xE2\xE0\xED", "  spaced  ", "", "\xA8\xEB\xEA\xE0",
                                         "Name4", "Name5", "Name6", "Name7", "Name8",
                                         "\xCC\xE0\xF0\xE8\xFF"};
// In order by their leading numbers: 300 250 200 150 100 50 0 -20 -40 -50.
const std::vector<std::string> kScores = {"300", "250",  " 200", "0150", "100",
                                          "50",  "x5",   "-20",  "-40",  "-50"};

std::vector<std::string> Cells(const RecordTable& table) {
    std::vector<std::string> cells;
    for (int row = 0; row < RecordTable::kRows; ++row) cells.push_back(table.nameBytes(row));
    for (int row = 0; row < RecordTable::kRows; ++row) cells.push_back(table.scoreBytes(row));
    return cells;
}

std::vector<std::string> Expected(const std::vector<std::string>& names,
                                  const std::vector<std::string>& scores) {
    std::vector<std::string> cells = names;
    cells.insert(cells.end(), scores.begin(), scores.end());
    return cells;
}

TEST(RecordTableFile, RoundTripChangesNothingButLineEnds) {
    const std::string canonical = TableText(kNames, kScores);
    std::string mixed;
    // A lone CR is not followed by an empty name here: CR, LF would be one line end.
    for (std::size_t i = 0; i < kNames.size(); ++i) mixed += kNames[i] + (i % 2 ? "\r\n" : "\n");
    for (std::size_t i = 0; i < kScores.size(); ++i) mixed += kScores[i] + (i % 3 ? "\r\n" : "\r");
    struct Case {
        const char* what;
        std::string file;
    };
    const Case cases[] = {
        {"CR LF", canonical},
        {"LF", TableText(kNames, kScores, "\n")},
        {"CR", TableText(kNames, kScores, "\r")},
        {"mixed", mixed},
        {"no end on the last line", canonical.substr(0, canonical.size() - 2)},
        {"more than 20 lines", canonical + "Name10\r\n999\r\n\r\nrest"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const std::string path = folder.file("results.tvl");
        WriteBytes(path, c.file);
        RecordTable table(path);
        table.load();
        EXPECT_TRUE(table.isLoaded()) << c.what;
        EXPECT_EQ(Cells(table), Expected(kNames, kScores)) << c.what;
        table.save();
        EXPECT_EQ(ReadBytes(path), canonical) << c.what;
        EXPECT_EQ(folder.entries(), std::vector<std::string>{"results.tvl"}) << c.what;
    }
}

TEST(RecordTableFile, AnEnteredResultIsSavedAndUntouchedCellsKeepTheirBytes) {
    TempFolder folder;
    const std::string path = folder.file("results.tvl");
    WriteBytes(path, TableText(kNames, kScores, "\n"));
    RecordTable table(path);
    table.load();
    EXPECT_EQ(Cp1251ToUtf8(table.nameBytes(0)), "Иван");
    ASSERT_EQ(table.enterResult(45, [] { return Utf8ToCp1251("Пётр\n"); }), 6);
    table.save();

    // Cells above the new row keep their bytes; the ones that moved are number text.
    std::vector<std::string> names = kNames;
    names.insert(names.begin() + 6, "\xCF\xB8\xF2\xF0 ");
    names.pop_back();
    const std::vector<std::string> scores = {"300", "250", " 200", "0150", "100",
                                             "50",  "45",  "0",    "-20",  "-40"};
    EXPECT_EQ(ReadBytes(path), TableText(names, scores));

    RecordTable reread(path);
    reread.load();
    ASSERT_EQ(reread.enterResult(1000, [] { return std::string(); }), 0);
    reread.save();
    names.insert(names.begin(), "");
    names.pop_back();
    const std::vector<std::string> moved = {"1000", "300", "250", "200", "150",
                                            "100",  "50",  "45",  "0",   "-20"};
    EXPECT_EQ(ReadBytes(path), TableText(names, moved));
}

TEST(RecordTableFile, ScoresBeyondADoublesRangeOrCutByANulPlaceAndMoveByTheirValue) {
    // Row 1 is about 1e350, row 2 reads as 7 (its NUL ends the number), row 3
    // is about 1e-331.
    const std::string huge = "1" + std::string(400, '0') + "e-50";
    const std::string tiny = "0." + std::string(330, '0') + "1";
    const std::string seven = std::string("7\0" "3", 3);
    const std::vector<std::string> scores = {"500", huge, seven, tiny, "-10", "-20", "-30", "-40", "-50", "-60"};
    const std::string largest = NumberText(std::numeric_limits<double>::max());
    struct Case {
        double score;
        int position;
        std::vector<std::string> scores;
    };
    const Case cases[] = {
        {1000, 0, {"1000", "500", largest, "7", "0", "-10", "-20", "-30", "-40", "-50"}},
        {7, 2, {"500", huge, "7", "7", "0", "-10", "-20", "-30", "-40", "-50"}},
        {5, 3, {"500", huge, seven, "5", "0", "-10", "-20", "-30", "-40", "-50"}},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const std::string path = folder.file("results.tvl");
        WriteBytes(path, TableText(kNames, scores));
        RecordTable table(path);
        table.load();
        EXPECT_EQ(table.enterResult(c.score, [] { return std::string("Лена"); }), c.position) << c.score;
        std::vector<std::string> entered;
        for (int row = 0; row < RecordTable::kRows; ++row) entered.push_back(table.scoreBytes(row));
        EXPECT_EQ(entered, c.scores) << c.score;
    }
}

TEST(RecordTableFile, ReadsLinesSplitAcrossReadBuffers) {
    // The reader works in 64 KiB pieces: a CR LF may straddle two of them.
    for (const std::size_t first : {65534u, 65535u, 65536u}) {
        TempFolder folder;
        const std::string path = folder.file("results.tvl");
        const std::string rest = TableText(kNames, kScores).substr(6);
        const std::string bytes = std::string(first, 'a') + "\r\n" + rest;
        WriteBytes(path, bytes);
        RecordTable table(path);
        table.load();
        EXPECT_EQ(Cells(table), SplitLines(bytes, RecordTable::kLines)) << first;
    }
}

TEST(RecordTableFile, BinaryJunkLoadsAndSurvivesARoundTrip) {
    std::mt19937 random(20240611);
    for (int trial = 0; trial < 20; ++trial) {
        std::string bytes(std::uniform_int_distribution<std::size_t>(1000, 200000)(random), '\0');
        for (char& byte : bytes) byte = static_cast<char>(random() % 256);
        TempFolder folder;
        const std::string path = folder.file("results.tvl");
        WriteBytes(path, bytes);
        RecordTable table(path);
        table.load();
        EXPECT_EQ(Cells(table), SplitLines(bytes, RecordTable::kLines));
        table.save();
        RecordTable reread(path);
        reread.load();
        EXPECT_EQ(Cells(reread), Cells(table));
    }
}

TEST(RecordTableFile, OnlyTheFirstTwentyLinesAreRead) {
    TempFolder folder;
    const std::string path = folder.file("results.tvl");
    // Far more than a line may hold, but after line 20 it is never looked at.
    WriteBytes(path, TableText(kNames, kScores) + std::string(8 << 20, 'x'));
    RecordTable table(path);
    table.load();
    EXPECT_EQ(Cells(table), Expected(kNames, kScores));
}

TEST(RecordTableFile, TheLongestCellIsSavedAndLoadsAgain) {
    TempFolder folder;
    const std::string path = folder.file("results.tvl");
    std::vector<std::string> names = kNames;
    names[2] = std::string(RecordTable::kMaxCellBytes, 'n');
    WriteBytes(path, TableText(names, kScores));
    RecordTable table(path);
    table.load();
    EXPECT_EQ(table.nameBytes(2), names[2]);

    table.setName(5, std::string(RecordTable::kMaxCellBytes + 100, 'm'));
    EXPECT_EQ(table.nameBytes(5).size(), RecordTable::kMaxCellBytes);
    table.save();
    RecordTable reread(path);
    reread.load();
    EXPECT_EQ(Cells(reread), Cells(table));
}

TEST(RecordTableFile, AFailedLoadKeepsTheCellsAndNeverSavesOverTheFile) {
    const std::string tooLong = std::string(RecordTable::kMaxCellBytes + 1, 'z');
    std::vector<std::string> longNames = kNames;
    longNames[4] = tooLong;
    struct Case {
        const char* what;
        std::function<void(const std::string&)> spoil;
        std::string problem;
    };
    const Case cases[] = {
        {"missing", [](const std::string& p) { std::filesystem::remove(p); }, "не найден"},
        {"empty", [](const std::string& p) { WriteBytes(p, ""); }, "0 строк вместо 20"},
        {"one line", [](const std::string& p) { WriteBytes(p, "Иван\r\n"); }, "1 строка вместо 20"},
        {"three lines", [](const std::string& p) { WriteBytes(p, "a\nb\nc"); },
         "3 строки вместо 20"},
        {"nineteen lines",
         [](const std::string& p) {
             const std::string full = TableText(kNames, kScores);
             WriteBytes(p, full.substr(0, full.size() - kScores.back().size() - 2));
         },
         "19 строк вместо 20"},
        {"a folder",
         [](const std::string& p) {
             std::filesystem::remove(p);
             std::filesystem::create_directory(p);
         },
         "это папка"},
        {"a line too long",
         [&](const std::string& p) { WriteBytes(p, TableText(longNames, kScores)); },
         "строка 5 длиннее 65536 байт"},
        {"no line ends at all",
         [](const std::string& p) { WriteBytes(p, std::string(1 << 20, '\0')); },
         "строка 1 длиннее"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const std::string path = folder.file("results.tvl");
        WriteBytes(path, TableText(kNames, kScores));
        RecordTable table(path);
        table.load();
        table.enterResult(1000, [] { return std::string("Лена"); });
        const std::vector<std::string> before = Cells(table);

        c.spoil(path);
        const bool existed = std::filesystem::is_regular_file(path);
        const std::string spoiled = existed ? ReadBytes(path) : std::string();
        try {
            table.load();
            ADD_FAILURE() << c.what << ": loaded";
        } catch (const DataFileError& error) {
            EXPECT_EQ(error.file(), path) << c.what;
            EXPECT_NE(error.problem().find(c.problem), std::string::npos)
                << c.what << ": " << error.what();
            EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << c.what;
        }
        EXPECT_FALSE(table.isLoaded()) << c.what;
        EXPECT_EQ(Cells(table), before) << c.what;

        EXPECT_THROW(table.save(), DataFileError) << c.what;
        EXPECT_EQ(std::filesystem::is_regular_file(path), existed) << c.what;
        if (existed) {
            EXPECT_EQ(ReadBytes(path), spoiled) << c.what;
        }
        EXPECT_EQ(folder.entries().size(), c.what == std::string("missing") ? 0u : 1u) << c.what;
    }
}

TEST(RecordTableFile, ATableNeverLoadedIsNotSaved) {
    TempFolder folder;
    const std::string path = folder.file("results.tvl");
    WriteBytes(path, "not a table\n");
    RecordTable table(path);
    table.setName(0, Utf8ToCp1251("Лена"));
    EXPECT_FALSE(table.isLoaded());
    EXPECT_THROW(table.save(), DataFileError);
    EXPECT_EQ(ReadBytes(path), "not a table\n");
}

TEST(RecordTableFile, SavingKeepsTheFilePermissions) {
    struct Case {
        mode_t before;  // 0: the file vanished between load and save
        mode_t after;
        bool refused;   // made read-only: the save is refused and the file kept
    };
    const Case cases[] = {{0600, 0600, false}, {0664, 0664, false}, {0444, 0444, true}, {0, 0644, false}};
    for (const auto& c : cases) {
        TempFolder folder;
        const std::string path = folder.file("results.tvl");
        WriteBytes(path, TableText(kNames, kScores));
        RecordTable table(path);
        table.load();
        if (c.before != 0) {
            ASSERT_EQ(::chmod(path.c_str(), c.before), 0);
        } else {
            std::filesystem::remove(path);
        }
        if (c.refused) {
            EXPECT_THROW(table.save(), DataFileError) << std::oct << c.before;
        } else {
            table.save();
        }
        struct stat saved {};
        ASSERT_EQ(::stat(path.c_str(), &saved), 0);
        EXPECT_EQ(saved.st_mode & 07777, c.after) << std::oct << c.before;
        EXPECT_EQ(ReadBytes(path), TableText(kNames, kScores));
    }
}

}  // namespace
}  // namespace torvel
