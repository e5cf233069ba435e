// The lexical pieces of the stored form: blanks, quoted texts, numbers.
#include "button/form/form_text.h"

#include <charconv>

namespace torvel {

namespace {

// Reads a quoted text starting at text[pos] == '"'; returns the position
// after the closing quote.
std::size_t ReadQuoted(std::string_view text, std::size_t pos, std::string& out) {
    for (std::size_t i = pos + 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') return i + 1;
        if (c != '\\') {
            out.push_back(c);
            continue;
        }
        if (++i == text.size()) break;
        switch (text[i]) {
            case '"':
                out.push_back('"');
                break;
            case '\\':
                out.push_back('\\');
                break;
            case 'n':
                out.push_back('\n');
                break;
            case 'r':
                out.push_back('\r');
                break;
            case 't':
                out.push_back('\t');
                break;
            default:
                throw FormSyntaxError(std::string("неизвестная последовательность \\") + text[i]);
        }
    }
    throw FormSyntaxError("нет закрывающей кавычки");
}

}  // namespace

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::vector<std::string> SplitTokens(std::string_view text) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsBlank(text[i])) {
            ++i;
            continue;
        }
        std::string token;
        if (text[i] == '"') {
            i = ReadQuoted(text, i, token);
            if (i < text.size() && !IsBlank(text[i])) throw FormSyntaxError("после кавычки нужен пробел");
        } else {
            while (i < text.size() && !IsBlank(text[i])) token.push_back(text[i++]);
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

std::string Unquote(std::string_view text) {
    std::string out;
    const std::size_t end = ReadQuoted(text, 0, out);
    if (!TrimBlanks(text.substr(end)).empty()) throw FormSyntaxError("лишний текст после кавычки");
    return out;
}

std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out.push_back(c);
        }
    }
    return out + "\"";
}

std::int64_t ParseInteger(std::string_view text, int bits) {
    const std::int64_t low = -(std::int64_t{1} << (bits - 1));
    const std::int64_t high = (std::int64_t{1} << (bits - 1)) - 1;
    // Appended rather than concatenated: GCC 12 warns falsely (-Wrestrict) on
    // a literal plus a temporary string in optimised builds.
    std::string width = "i";
    width += std::to_string(bits);
    if (text.starts_with("0x") || text.starts_with("0X")) {
        const std::string_view digits = text.substr(2);
        std::uint64_t pattern = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pattern, 16);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
            throw FormSyntaxError("«" + std::string(text) + "» — не число");
        }
        if (digits.size() > static_cast<std::size_t>(bits / 4)) {
            throw FormSyntaxError("«" + std::string(text) + "» не помещается в " + width);
        }
        // The digits are the value's bits: 0x8000000F is negative in i32.
        const std::uint64_t sign = std::uint64_t{1} << (bits - 1);
        return pattern >= sign ? static_cast<std::int64_t>(pattern) - 2 * static_cast<std::int64_t>(sign)
                               : static_cast<std::int64_t>(pattern);
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error == std::errc::invalid_argument || end != text.data() + text.size()) {
        throw FormSyntaxError("«" + std::string(text) + "» — не число");
    }
    if (error == std::errc::result_out_of_range || value < low || value > high) {
        throw FormSyntaxError("«" + std::string(text) + "» не помещается в " + width);
    }
    return value;
}

}  // namespace torvel
