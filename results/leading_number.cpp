// The number a text starts with, read the same way whatever the locale.
#include "results/leading_number.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace torvel {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsExponentLetter(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

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

// The power of ten of the first non-zero digit of `mantissa` (digits with
// at most one '.'), or none when every digit is 0.
std::optional<std::int64_t> LeadingPower(std::string_view mantissa) {
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return std::nullopt;
    if (first < point) return static_cast<std::int64_t>(point - first) - 1;
    return -static_cast<std::int64_t>(first - point);
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
    if (number.front() == '.') number.insert(number.begin(), '0');
    const std::size_t mantissaLength = number.size();

    // The exponent's value only decides between overflow and underflow, so
    // it is held far beyond any double's range but no further.
    constexpr std::int64_t kExponentBound = 1'000'000'000;
    std::int64_t exponent = 0;
    if (pos < text.size() && IsExponentLetter(text[pos])) {
        std::size_t exp = pos + 1;
        std::string written = "e";
        bool exponentNegative = false;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) {
            exponentNegative = text[exp] == '-';
            written += text[exp++];
        }
        if (exp < text.size() && IsDigit(text[exp])) {
            while (exp < text.size() && IsDigit(text[exp])) {
                exponent = std::min(kExponentBound, exponent * 10 + (text[exp] - '0'));
                written += text[exp++];
            }
            number += written;
            if (exponentNegative) exponent = -exponent;
        }
    }

    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone when it is out of range: the
        // number's magnitude tells a value too large from one too small.
        const std::optional<std::int64_t> power = LeadingPower(std::string_view(number).substr(0, mantissaLength));
        const bool tooLarge = power && *power + exponent >= 0;
        value = tooLarge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    value = Saturate(value);
    return negative ? -value : value;
}

}  // namespace torvel
