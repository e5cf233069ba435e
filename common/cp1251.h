// Windows-1251, the single-byte code page of the game's data files.
//
// Inside the game a word is a std::string of Windows-1251 bytes, as the word
// base stores it: one byte is one letter, so lengths and comparisons are
// exact. Text is converted at the edges only: each file format kept in UTF-8
// (the player's history and saved game, the side files of the word base) as
// it reads and writes its file, the windows where a word meets the screen
// (windows/cp1251_text.h), and the button's painter, which lays out its UTF-8
// captions as single-byte text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace torvel {

char32_t Cp1251ToUnicode(unsigned char byte);
std::optional<unsigned char> UnicodeToCp1251(char32_t code);

std::string Cp1251ToUtf8(std::string_view bytes);

// Characters the code page cannot hold, and malformed UTF-8, become '?'.
std::string Utf8ToCp1251(std::string_view utf8);

// The same conversion for text that must arrive whole: nothing when the UTF-8
// is malformed or holds a character the code page cannot.
std::optional<std::string> Utf8ToCp1251Exactly(std::string_view utf8);

// The code page's capital of a byte (а → А, ё → Ё, z → Z); bytes without a
// capital are returned unchanged.
unsigned char Cp1251ToUpper(unsigned char byte);

// The code page's small letter of a byte (А → а, Ё → ё, Z → z).
unsigned char Cp1251ToLower(unsigned char byte);

// The same mapping for one Unicode character, through the code page:
// characters outside it are returned unchanged.
char32_t UpperThroughCp1251(char32_t code);

}  // namespace torvel
