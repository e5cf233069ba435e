// The number a text starts with, read the same way whatever the locale.
#include "common/leading_number.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace torvel {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string WithoutBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (!IsBlank(c)) out += c;
    }
    return out;
}

double ReadRadix(std::string_view digits, int radix) {
    double value = 0;
    for (const char c : digits) {
        const int lower = std::tolower(static_cast<unsigned char>(c));
        int digit = -1;
        if (IsDigit(c)) digit = c - '0';
        else if (lower >= 'a' && lower <= 'f') digit = lower - 'a' + 10;
        if (digit < 0 || digit >= radix) break;
        value = value * radix + digit;
    }
    return value;
}

double Saturate(double value) {
    const double largest = std::numeric_limits<double>::max();
    if (std::isinf(value)) return value > 0 ? largest : -largest;
    return value;
}

}  // namespace

double LeadingNumber(std::string_view raw) {
    const std::string text = WithoutBlanks(raw);
    if (text.size() >= 2 && text[0] == '&') {
        const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(text[1])));
        if (kind == 'H') return Saturate(ReadRadix(std::string_view(text).substr(2), 16));
        if (kind == 'O') return Saturate(ReadRadix(std::string_view(text).substr(2), 8));
        return 0;
    }

    // Collect the longest prefix that has the shape of a decimal number, in a
    // form that std::from_chars accepts (no '+', 'e' for the exponent).
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::string number;
    bool anyDigit = false;
    while (pos < text.size() && IsDigit(text[pos])) {
        number += text[pos++];
        anyDigit = true;
    }
    if (pos < text.size() && text[pos] == '.') {
        number += text[pos++];
        while (pos < text.size() && IsDigit(text[pos])) {
            number += text[pos++];
            anyDigit = true;
        }
    }
    if (!anyDigit) return 0;
    if (pos < text.size() && std::strchr("EeDd", text[pos]) != nullptr) {
        std::size_t exp = pos + 1;
        std::string exponent = "e";
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) exponent += text[exp++];
        if (exp < text.size() && IsDigit(text[exp])) {
            while (exp < text.size() && IsDigit(text[exp])) exponent += text[exp++];
            number += exponent;
        }
    }
    if (number.front() == '.') number.insert(number.begin(), '0');

    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on overflow and underflow; tell them
        // apart by the exponent's sign.
        const bool tiny = number.find("e-") != std::string::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    value = Saturate(value);
    return negative ? -value : value;
}

}  // namespace torvel
