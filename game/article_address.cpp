// Where a word of the base is explained: its article in the Russian Wiktionary.
#include "game/article_address.h"

#include "common/cp1251.h"
#include "game/yo_spellings.h"

namespace torvel {

namespace {

// Letters, digits and "-._~" stand for themselves in an address; every
// other byte is written as %XX.
bool Unreserved(unsigned char byte) {
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
           byte == '-' || byte == '.' || byte == '_' || byte == '~';
}

}  // namespace

std::string ArticleAddress(std::string_view word, const YoSpellings& spellings) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string address = "https://ru.wiktionary.org/wiki/";
    for (const char letter : Cp1251ToUtf8(spellings.SmallLetters(word))) {
        const auto byte = static_cast<unsigned char>(letter);
        if (Unreserved(byte)) {
            address += letter;
        } else {
            address += '%';
            address += kHex[byte >> 4];
            address += kHex[byte & 0x0F];
        }
    }
    return address;
}

}  // namespace torvel
