// Decoding UTF-8 into characters: the one decoder of the program, for the
// button's captions and stored forms and for text going into Windows-1251.
#pragma once

#include <string>
#include <string_view>

namespace torvel {

// Each malformed byte (bad lead, missing continuation, overlong form,
// surrogate, beyond U+10FFFF) becomes one U+FFFD.
std::u32string DecodeUtf8(std::string_view text);

bool IsValidUtf8(std::string_view text);

}  // namespace torvel
