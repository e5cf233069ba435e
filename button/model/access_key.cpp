// The access key a caption marks with an ampersand.
#include "button/model/access_key.h"

#include "common/utf8.h"

namespace torvel {

char32_t ToLowerLetter(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 0x20;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;   // Latin-1 capitals
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;  // Greek capitals
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;                // А..Я
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;                // Ѐ..Џ, Ё among them
    return c;
}

std::optional<char32_t> AccessKeyOf(std::string_view caption) {
    const std::u32string text = DecodeUtf8(caption);
    const std::size_t n = text.size();
    if (n < 2) return std::nullopt;

    // Zero-based from here: the last position is n - 1.
    const std::size_t p = text.find(U'&');
    if (p == std::u32string::npos || p == n - 1) return std::nullopt;
    if (text[p + 1] != U'&') return ToLowerLetter(text[p + 1]);

    // "&&" is a plain ampersand: only the next single one can mark the key.
    const std::size_t q = text.find(U'&', p + 2);
    if (q == std::u32string::npos || q == n - 1 || text[q + 1] == U'&') return std::nullopt;
    return ToLowerLetter(text[q + 1]);
}

}  // namespace torvel
