// The lexical pieces of the stored form: blanks, quoted texts, numbers.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace torvel {

// A line that does not follow the stored form's rules; the parser adds the
// file and line number.
class FormSyntaxError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

bool IsBlank(char c);
std::string_view TrimBlanks(std::string_view text);

// Splits at blanks; a token starting with '"' runs to its closing quote and
// may hold blanks and the escapes \" \\ \n \r \t.
std::vector<std::string> SplitTokens(std::string_view text);

// A whole quoted text ("...", escapes as above), nothing but blanks after it.
std::string Unquote(std::string_view text);
std::string Quote(std::string_view text);

// Decimal ("-12") or hexadecimal ("0x8000000F", the bits of the value).
std::int64_t ParseInteger(std::string_view text, int bits);

}  // namespace torvel
