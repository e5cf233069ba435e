// Where a word of the base is explained: its article in the Russian Wiktionary.
#pragma once

#include <string>
#include <string_view>

namespace torvel {

class YoSpellings;

// The address of the article on a word of the base (Windows-1251): the word
// in small letters with its ё restored, as the dictionary names its articles,
// percent-encoded as UTF-8. ЛЕД → https://ru.wiktionary.org/wiki/%D0%BB%D1%91%D0%B4
std::string ArticleAddress(std::string_view word, const YoSpellings& spellings);

}  // namespace torvel
