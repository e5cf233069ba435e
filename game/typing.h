// Typing that forgives the keyboard: a key pressed on the Latin layout gives
// the Russian letter on that key, and Ё is written Е, wherever the word base
// shows that the text as typed could never be a word.
#pragma once

#include <bitset>
#include <string>
#include <string_view>

namespace torvel {

// Which slips of the keyboard the entry corrects. Both are off until a word
// base has been read.
struct TypingRules {
    // A Latin letter, or one of the marks [ ] ; ' , . ` and their shifted
    // { } : " < > ~, becomes the Russian letter on the same key of the
    // standard Russian layout (ЙЦУКЕН). The shifted marks sit on the same keys
    // as the plain ones and give the same letters, as the letters are shown
    // in capitals anyway.
    bool russianLayout = false;
    // Ё is written Е.
    bool yoAsYe = false;

    friend bool operator==(const TypingRules&, const TypingRules&) = default;
};

// The rules for a word base holding these bytes (Windows-1251): the layout is
// corrected only while the base holds none of the characters it replaces, and
// Ё only while the base holds neither Ё nor ё. So a correction only ever
// changes an entry that could never have been found in the base.
TypingRules TypingRulesFor(const std::bitset<256>& bytesInBase);

// One typed character as the entry field takes it: moved onto the Russian
// layout, turned into its capital through the Windows-1251 mapping, and Ё
// written Е, as far as the rules say.
char32_t TypedCharacter(char32_t typed, TypingRules rules);

// A Windows-1251 word with Ё and ё written Е and е.
std::string WrittenWithYe(std::string_view word);

}  // namespace torvel
