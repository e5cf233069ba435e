// Tests of entering a new result into the table of best results.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <stdexcept>
#include <string>

#include "common/cp1251.h"
#include "results/record_table.h"

namespace torvel {
namespace {

using Column = std::array<std::string, RecordTable::kRows>;

// Leading numbers 300 250 200 150 150 100 7 0 -40 -50: in order, with a
// zero-padded score and a score that is not a number.
const Column kScores = {"300", "250", "200", "150", "150", "100", "007", "x5", "-40", "-50"};
const Column kNames = {"Аня",  "Боря", "Вера", "Гена",  "Даша",
                       "Егор", "Жора", "Зоя",  "Игорь", "Катя"};

RecordTable MakeTable() {
    RecordTable table;
    for (int row = 0; row < RecordTable::kRows; ++row) {
        table.setName(row, Utf8ToCp1251(kNames[row]));
        table.setScore(row, kScores[row]);
    }
    return table;
}

Column Names(const RecordTable& table) {
    Column names;
    for (int row = 0; row < RecordTable::kRows; ++row) names[row] = Cp1251ToUtf8(table.nameBytes(row));
    return names;
}

Column Scores(const RecordTable& table) {
    Column scores;
    for (int row = 0; row < RecordTable::kRows; ++row) scores[row] = Cp1251ToUtf8(table.scoreBytes(row));
    return scores;
}

TEST(RecordTableFindPosition, ReturnsTheFirstRowNotAboveTheScore) {
    struct Case {
        double score;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {301, 0},  {300, 0}, {299, 1}, {150, 3},   {149, 5},   {7, 6},
        {6, 7},    {0, 7},   {-1, 8},  {-40, 8},   {-45, 9},   {-50, 9},
        {-51, std::nullopt}, {-1e300, std::nullopt},
    };
    const RecordTable table = MakeTable();
    for (const auto& c : cases) EXPECT_EQ(table.findPosition(c.score), c.expected) << c.score;
}

TEST(RecordTableInsertRow, MovesTheRowsBelowDownAndFillsTheRow) {
    struct Case {
        int position;
        double score;
        std::string answer;
        Column names;
        Column scores;
    };
    const Case cases[] = {
        // Row 0: everything moves; moved scores become number text.
        {0, 400, "Лена",
         {"Лена", "Аня", "Боря", "Вера", "Гена", "Даша", "Егор", "Жора", "Зоя", "Игорь"},
         {"400", "300", "250", "200", "150", "150", "100", "7", "0", "-40"}},
        // A tie goes above the equal rows.
        {3, 150, "Лена",
         {"Аня", "Боря", "Вера", "Лена", "Гена", "Даша", "Егор", "Жора", "Зоя", "Игорь"},
         {"300", "250", "200", "150", "150", "150", "100", "7", "0", "-40"}},
        // Rows above the position keep their text, "007" and "x5" included.
        {8, -40, "Лена",
         {"Аня", "Боря", "Вера", "Гена", "Даша", "Егор", "Жора", "Зоя", "Лена", "Игорь"},
         {"300", "250", "200", "150", "150", "100", "007", "x5", "-40", "-40"}},
        // Row 9: nothing moves, only the last row is replaced; a cancelled
        // question gives an empty name.
        {9, -50, "",
         {"Аня", "Боря", "Вера", "Гена", "Даша", "Егор", "Жора", "Зоя", "Игорь", ""},
         {"300", "250", "200", "150", "150", "100", "007", "x5", "-40", "-50"}},
    };
    for (const auto& c : cases) {
        RecordTable table = MakeTable();
        int asked = 0;
        table.insertRow(c.position, c.score, [&] {
            ++asked;
            return Utf8ToCp1251(c.answer);
        });
        EXPECT_EQ(asked, 1) << c.position;
        EXPECT_EQ(Names(table), c.names) << c.position;
        EXPECT_EQ(Scores(table), c.scores) << c.position;
    }
}

TEST(RecordTableInsertRow, AsksForTheNameOnlyAfterTheRowsHaveMoved) {
    RecordTable table = MakeTable();
    table.insertRow(2, 220, [&] {
        EXPECT_EQ(Cp1251ToUtf8(table.scoreBytes(2)), "220");
        EXPECT_EQ(Cp1251ToUtf8(table.scoreBytes(3)), "200");
        EXPECT_EQ(Cp1251ToUtf8(table.scoreBytes(9)), "-40");
        EXPECT_EQ(Cp1251ToUtf8(table.nameBytes(3)), "Вера");
        EXPECT_EQ(Cp1251ToUtf8(table.nameBytes(9)), "Игорь");
        return Utf8ToCp1251("Лена");
    });
    EXPECT_EQ(Cp1251ToUtf8(table.nameBytes(2)), "Лена");
}

TEST(RecordTableInsertRow, AFailedQuestionLeavesTheRowsMovedAndTheRowsNameInPlace) {
    RecordTable table = MakeTable();
    EXPECT_THROW(table.insertRow(5, 120, []() -> std::string { throw std::runtime_error("closed"); }),
                 std::runtime_error);
    EXPECT_EQ(Cp1251ToUtf8(table.scoreBytes(5)), "120");
    EXPECT_EQ(Cp1251ToUtf8(table.nameBytes(5)), "Егор");
    EXPECT_EQ(Cp1251ToUtf8(table.nameBytes(6)), "Егор");
    EXPECT_EQ(Cp1251ToUtf8(table.nameBytes(9)), "Игорь");
}

TEST(RecordTableEnterResult, EntersAtTheFoundRowOrLeavesTheTableAlone) {
    RecordTable table = MakeTable();
    bool asked = false;
    EXPECT_EQ(table.enterResult(-51, [&] {
        asked = true;
        return Utf8ToCp1251("Лена");
    }),
              std::nullopt);
    EXPECT_FALSE(asked);
    EXPECT_EQ(Names(table), kNames);
    EXPECT_EQ(Scores(table), kScores);

    EXPECT_EQ(table.enterResult(-50, [] { return Utf8ToCp1251("Лена"); }), 9);
    EXPECT_EQ(Cp1251ToUtf8(table.nameBytes(9)), "Лена");
    EXPECT_EQ(Cp1251ToUtf8(table.scoreBytes(9)), "-50");
}

TEST(RecordTableInsertRow, RefusesABadPositionWithoutChangingAnything) {
    for (const int position : {-1, 10}) {
        RecordTable table = MakeTable();
        bool asked = false;
        EXPECT_THROW(table.insertRow(position, 1000,
                                     [&] {
                                         asked = true;
                                         return Utf8ToCp1251("Лена");
                                     }),
                     std::out_of_range);
        EXPECT_FALSE(asked);
        EXPECT_EQ(Names(table), kNames);
        EXPECT_EQ(Scores(table), kScores);
    }
    RecordTable table = MakeTable();
    EXPECT_THROW(table.insertRow(0, 1000, nullptr), std::invalid_argument);
    EXPECT_EQ(Scores(table), kScores);
    EXPECT_THROW(table.nameBytes(10), std::out_of_range);
    EXPECT_THROW(table.setScore(-1, "1"), std::out_of_range);
}

TEST(RecordTableCells, StoreWhatTheFileCanHoldOnOneLine) {
    struct Case {
        std::string typed;
        std::string shown;
        std::string bytes;
    };
    const Case cases[] = {
        {"Иван", "Иван", "\xC8\xE2\xE0\xED"},
        {"  Иван  ", "  Иван  ", "  \xC8\xE2\xE0\xED  "},
        {"Ив\r\nан", "Ив  ан", "\xC8\xE2  \xE0\xED"},
        {"a\rb\nc\n", "a b c ", "a b c "},
        {"Ivan😀", "Ivan?", "Ivan?"},
        {"王小明", "???", "???"},
        {"Ёж №1 — €", "Ёж №1 — €", "\xA8\xE6 \xB9\x31 \x97 \x88"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        RecordTable typed = MakeTable();
        typed.setName(4, Utf8ToCp1251(c.typed));
        typed.setScore(4, Utf8ToCp1251(c.typed));
        EXPECT_EQ(Cp1251ToUtf8(typed.nameBytes(4)), c.shown) << c.typed;
        EXPECT_EQ(typed.nameBytes(4), c.bytes) << c.typed;
        EXPECT_EQ(typed.scoreBytes(4), c.bytes) << c.typed;

        RecordTable answered = MakeTable();
        answered.insertRow(4, 150, [&] { return Utf8ToCp1251(c.typed); });
        EXPECT_EQ(answered.nameBytes(4), c.bytes) << c.typed;
    }
}

}  // namespace
}  // namespace torvel
