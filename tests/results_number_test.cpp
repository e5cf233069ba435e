// Tests of the number rules of the table of best results: the leading number a
// cell's text starts with, and the number text written into a cell.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "results/leading_number.h"
#include "results/number_text.h"

namespace torvel {
namespace {

TEST(LeadingNumber, ReadsTheNumberATextStartsWith) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"0", 0},         {"23", 23},          {"007", 7},
        {"-50", -50},     {"+12", 12},         {"  42", 42},
        {"1 2 3", 123},   {"\t-\n5", -5},      {"4 2 букв", 42},
        {"3.25", 3.25},   {".5", 0.5},         {"5.", 5},
        {"2,5", 2},       {"1e3", 1000},       {"1E+2x", 100},
        {"25e-1", 2.5},   {"1D2", 100},        {"7e", 7},
        {"7e+", 7},       {"&H1F", 31},        {"&hff", 255},
        {"&O17", 15},     {"&o8", 0},          {"&X1", 0},
        {"", 0},          {"abc", 0},          {"-", 0},
        {".", 0},         {"Очки 5", 0},       {"12abc", 12},
        {"--5", 0},       {"1.2.3", 1.2},      {"\r5", 0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(LeadingNumber, HugeNumbersSaturateInsteadOfBecomingInfinite) {
    const std::string huge = "1" + std::string(400, '0');
    EXPECT_EQ(LeadingNumber(huge), std::numeric_limits<double>::max());
    EXPECT_EQ(LeadingNumber("-" + huge), -std::numeric_limits<double>::max());
    EXPECT_EQ(LeadingNumber("1e-999"), 0.0);
}

TEST(LeadingNumber, ANulByteEndsTheNumberAndValuesOutOfRangeGoByTheirMagnitude) {
    const double largest = std::numeric_limits<double>::max();
    const std::string zeros330(330, '0');
    const std::string zeros400(400, '0');
    struct Case {
        const char* name;
        std::string text;
        double expected;
    };
    const Case cases[] = {
        {"NUL after a whole number", std::string("7\0" "3", 3), 7},
        {"NUL after another", std::string("1\0" "2", 3), 1},
        {"NUL after the fraction", std::string("2.5\0" "1", 5), 2.5},
        {"NUL where the exponent's digits would be", std::string("4e\0" "2", 4), 4},
        {"NUL first", std::string("\0" "5", 2), 0},
        {"NUL after &H digits", std::string("&HF\0" "F", 5), 15},
        {"tiny with many zeros", "0." + zeros330 + "1", 0},
        {"tiny and negative", "-0." + zeros330 + "1", -0.0},
        {"huge with a small exponent", "1" + zeros400 + "e-50", largest},
        {"huge and negative", "-1" + zeros400 + "e-50", -largest},
        {"tiny by its exponent alone", "1e-400", 0},
        {"huge by its exponent alone", "1e400", largest},
        {"many zeros cancel a large exponent", "0." + zeros400 + "1e300", 1e-101},
        {"an exponent beyond every bound", "1e-99999999999999999999999", 0},
        {"and upwards", "-1e99999999999999999999999", -largest},
        {"the largest double", "1.7976931348623157e308", largest},
        {"past it by more than rounding", "1.7976931348623159e308", largest},
        {"the smallest denormal holds", "5e-324", 4.9406564584124654e-324},
        {"zero with a huge exponent", "0e999999", 0},
    };
    for (const auto& c : cases) {
        const double value = LeadingNumber(c.text);
        EXPECT_EQ(value, c.expected) << c.name;
        EXPECT_EQ(std::signbit(value), std::signbit(c.expected)) << c.name;
    }
}

TEST(NumberText, WritesTheShortestDecimalForm) {
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {0, "0"},      {-0.0, "0"},     {7, "7"},         {303, "303"},
        {-50, "-50"},  {2.5, "2.5"},    {-0.25, "-0.25"}, {1e20, "100000000000000000000"},
        {0.1, "0.1"},  {123456789, "123456789"},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberText(c.value), c.expected) << c.value;
}

TEST(NumberText, ReadsBackThroughLeadingNumber) {
    for (const double value : {0.0, 1.0, -1.0, 303.0, -50.0, 4.5, 1e15, 123.456}) {
        EXPECT_EQ(LeadingNumber(NumberText(value)), value);
    }
}

}  // namespace
}  // namespace torvel
