// The number a text starts with, read the same way whatever the locale.
#pragma once

#include <string_view>

namespace torvel {

// Blanks (space, tab, line feed) are skipped wherever they stand; then an
// optional sign, digits, an optional "." with digits and an optional exponent
// (E or D). "&H" and "&O" introduce hexadecimal and octal numbers. Reading stops
// at the first character that does not fit, so "," or a NUL byte ends the
// number. A text that does not start with a number reads as 0. The value is
// the number's real magnitude: one too large for a double saturates to the
// largest finite value, one too small to hold becomes 0 with its sign.
double LeadingNumber(std::string_view text);

}  // namespace torvel
