// The spellings with ё of the base's words: the side file wmyo.txt.
#include "game/yo_spellings.h"

#include <optional>
#include <utility>

#include "common/cp1251.h"

namespace torvel {

namespace {

constexpr char kSmallYo = '\xB8';
constexpr char kCapitalYe = '\xC5';

}  // namespace

YoSpellings YoSpellings::Read(const std::string& path) {
    YoSpellings spellings;
    spellings.m_report = ReadSideFile(path, [&spellings](std::string_view line) { return spellings.Take(line); });
    return spellings;
}

YoSpellings YoSpellings::FromText(std::string_view text, std::string name) {
    YoSpellings spellings;
    spellings.m_report =
        SplitSideFile(text, std::move(name), [&spellings](std::string_view line) { return spellings.Take(line); });
    return spellings;
}

bool YoSpellings::Take(std::string_view line) {
    const std::optional<std::string> word = Utf8ToCp1251Exactly(line);
    if (!word || word->find(kSmallYo) == std::string::npos) return false;
    std::string baseWord;
    for (const char letter : *word) {
        const auto byte = static_cast<unsigned char>(letter);
        // Small Russian letters, and the hyphen of a compound word.
        if (letter != '-' && letter != kSmallYo && byte < 0xE0) return false;
        baseWord += letter == kSmallYo ? kCapitalYe : static_cast<char>(Cp1251ToUpper(byte));
    }
    m_spellings.emplace(std::move(baseWord), *word);
    return true;
}

std::string YoSpellings::SmallLetters(std::string_view word) const {
    const auto spelled = m_spellings.find(std::string(word));
    if (spelled != m_spellings.end()) return spelled->second;
    std::string small(word);
    for (char& letter : small) letter = static_cast<char>(Cp1251ToLower(static_cast<unsigned char>(letter)));
    return small;
}

}  // namespace torvel
