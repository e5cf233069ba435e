// Short glosses of the base's words: the side file wmgloss.txt.
#include "game/word_glosses.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "common/cp1251.h"
#include "common/utf8.h"

namespace torvel {

namespace {

bool HasControl(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

WordGlosses WordGlosses::Read(const std::string& path) {
    WordGlosses glosses;
    glosses.m_report = ReadSideFile(path, [&glosses](std::string_view line) { return glosses.Take(line); });
    return glosses;
}

WordGlosses WordGlosses::FromText(std::string_view text, std::string name) {
    WordGlosses glosses;
    glosses.m_report =
        SplitSideFile(text, std::move(name), [&glosses](std::string_view line) { return glosses.Take(line); });
    return glosses;
}

bool WordGlosses::Take(std::string_view line) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) return false;
    const std::string_view wordText = line.substr(0, tab);
    const std::string_view gloss = Trimmed(line.substr(tab + 1));
    if (wordText.empty() || gloss.empty() || HasControl(wordText) || HasControl(gloss) || !IsValidUtf8(gloss)) {
        return false;
    }
    std::optional<std::string> word = Utf8ToCp1251Exactly(wordText);
    if (!word) return false;
    m_glosses.emplace(std::move(*word), gloss);
    return true;
}

const std::string& WordGlosses::Gloss(std::string_view word) const {
    static const std::string kNone;
    const auto found = m_glosses.find(std::string(word));
    return found == m_glosses.end() ? kNone : found->second;
}

}  // namespace torvel
