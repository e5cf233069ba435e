// Typing that forgives the keyboard: Latin keys give Russian letters, Ё is Е.
#include "game/typing.h"

#include <algorithm>

#include "common/cp1251.h"

namespace torvel {

namespace {

// The keys of the letters, row by row, as the Latin layout labels them
// unshifted and shifted, and the Russian letter each key carries.
constexpr std::string_view kLatinKeys = "qwertyuiop[]asdfghjkl;'zxcvbnm,.`";
constexpr std::string_view kShiftedLatinKeys = "QWERTYUIOP{}ASDFGHJKL:\"ZXCVBNM<>~";
constexpr std::u32string_view kRussianLetters = U"йцукенгшщзхъфывапролджэячсмитьбюё";
static_assert(kLatinKeys.size() == kRussianLetters.size() && kShiftedLatinKeys.size() == kRussianLetters.size());

constexpr unsigned char kCapitalYo = 0xA8;
constexpr unsigned char kSmallYo = 0xB8;
constexpr unsigned char kCapitalYe = 0xC5;
constexpr unsigned char kSmallYe = 0xE5;

char32_t OnRussianLayout(char32_t typed) {
    if (typed >= 0x80) return typed;
    const char key = static_cast<char>(typed);
    std::size_t at = kLatinKeys.find(key);
    if (at == std::string_view::npos) at = kShiftedLatinKeys.find(key);
    return at == std::string_view::npos ? typed : kRussianLetters[at];
}

}  // namespace

TypingRules TypingRulesFor(const std::bitset<256>& bytesInBase) {
    const auto inBase = [&](char byte) { return bytesInBase.test(static_cast<unsigned char>(byte)); };
    TypingRules rules;
    rules.russianLayout = std::ranges::none_of(kLatinKeys, inBase) && std::ranges::none_of(kShiftedLatinKeys, inBase);
    rules.yoAsYe = !bytesInBase.test(kCapitalYo) && !bytesInBase.test(kSmallYo);
    return rules;
}

char32_t TypedCharacter(char32_t typed, TypingRules rules) {
    char32_t character = UpperThroughCp1251(rules.russianLayout ? OnRussianLayout(typed) : typed);
    if (rules.yoAsYe && character == U'Ё') character = U'Е';
    return character;
}

std::string WrittenWithYe(std::string_view word) {
    std::string written(word);
    for (char& letter : written) {
        if (static_cast<unsigned char>(letter) == kCapitalYo) letter = static_cast<char>(kCapitalYe);
        if (static_cast<unsigned char>(letter) == kSmallYo) letter = static_cast<char>(kSmallYe);
    }
    return written;
}

}  // namespace torvel
