// The spellings with ё of the base's words: the side file wmyo.txt.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "common/side_file.h"

namespace torvel {

// One word a line, in small letters with its ё ("лёд"). The base writes Ё as
// Е and in capitals, so each spelling stands for the base word ЛЕД. A line
// that is not such a word (no ё, a capital, anything but small Russian letters
// and hyphens) is damaged and skipped; of two spellings of one base word the
// first stands.
class YoSpellings {
public:
    static constexpr const char* kFileName = "wmyo.txt";

    // No spellings at all: every word is written as the base writes it.
    YoSpellings() = default;

    static YoSpellings Read(const std::string& path);
    static YoSpellings FromText(std::string_view text, std::string name = kFileName);

    // A word of the base in small letters, with its ё where the file spells
    // it so: ЛЕД → "лёд", ДОМ → "дом". Windows-1251 in and out.
    std::string SmallLetters(std::string_view word) const;

    const SideFileReport& report() const { return m_report; }

private:
    bool Take(std::string_view line);

    std::unordered_map<std::string, std::string> m_spellings;  // base word → spelling, both Windows-1251
    SideFileReport m_report;
};

}  // namespace torvel
