// UTF-8 and characters: the one decoder and encoder of the program, for the
// button's captions and stored forms and for text to and from Windows-1251.
#pragma once

#include <string>
#include <string_view>

namespace torvel {

// Each malformed byte (bad lead, missing continuation, overlong form,
// surrogate, beyond U+10FFFF) becomes one U+FFFD.
std::u32string DecodeUtf8(std::string_view text);

bool IsValidUtf8(std::string_view text);

// Appends the UTF-8 bytes of one character (at most U+10FFFF).
void AppendUtf8(std::string& out, char32_t code);

}  // namespace torvel
