// Short glosses of the base's words: the side file wmgloss.txt.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "common/side_file.h"

namespace torvel {

// One line a word: the word exactly as wmbase.txt writes it, a TAB, then its
// gloss ("ЛИГНИТ<TAB>lignite (горн.)"). A line without the TAB, with an empty
// word or gloss, a control character, or text that is not UTF-8 (or, in the
// word, not in the base's code page) is damaged and skipped; of two glosses of
// one word the first stands.
class WordGlosses {
public:
    static constexpr const char* kFileName = "wmgloss.txt";

    // No glosses at all.
    WordGlosses() = default;

    static WordGlosses Read(const std::string& path);
    static WordGlosses FromText(std::string_view text, std::string name = kFileName);

    // The gloss of a word of the base (Windows-1251), UTF-8; empty when the
    // word has none.
    const std::string& Gloss(std::string_view word) const;

    std::size_t size() const { return m_glosses.size(); }
    const SideFileReport& report() const { return m_report; }

private:
    bool Take(std::string_view line);

    std::unordered_map<std::string, std::string> m_glosses;  // base word → gloss
    SideFileReport m_report;
};

}  // namespace torvel
