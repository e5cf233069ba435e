// The word base wmbase.txt: the game's dictionary, loaded once and indexed.
#include "game/word_base.h"

#include <algorithm>
#include <utility>

#include "common/data_file_error.h"
#include "common/line_count_text.h"
#include "common/line_reader.h"
#include "game/letter_pool.h"
#include "game/random_source.h"

namespace torvel {

namespace {

std::vector<std::string> CheckedLines(std::vector<std::string> lines, const std::string& name) {
    // Checked before the count: the file reader stops just past an overlong
    // line, and the file must then get the same message as its full bytes.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].size() > WordBase::kMaxLineLength) {
            throw DataFileError(name, "строка " + std::to_string(i + 1) + " длиннее " +
                                          std::to_string(WordBase::kMaxLineLength) + " символов");
        }
    }
    if (lines.size() < static_cast<std::size_t>(WordBase::kLines)) {
        throw DataFileError(
            name, LineCountText(lines.size()) + " вместо " + std::to_string(WordBase::kLines));
    }
    return lines;
}

bool Drawable(std::size_t length) {
    return length >= WordBase::kMinSourceLength && length <= WordBase::kMaxSourceLength;
}

}  // namespace

WordBase::WordBase(std::string path) : m_path(std::move(path)) {}

WordBase WordBase::FromBytes(std::string_view bytes, std::string name) {
    WordBase base(std::move(name));
    base.Index(CheckedLines(SplitLines(bytes, kLines), base.m_path));
    return base;
}

void WordBase::Load() {
    if (m_loaded) return;
    Index(CheckedLines(ReadLeadingLines(m_path, kLines, kMaxLineLength), m_path));
}

void WordBase::Index(std::vector<std::string> lines) {
    m_lines = std::move(lines);
    m_masks.resize(m_lines.size());
    m_lengths.resize(m_lines.size());
    m_firstLineOf.resize(m_lines.size());
    m_firstLine.clear();
    m_firstLine.reserve(m_lines.size());
    m_drawable = 0;
    m_bytesUsed.reset();
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const std::string& line = m_lines[i];
        const int number = static_cast<int>(i) + 1;
        for (const char byte : line) m_bytesUsed.set(static_cast<unsigned char>(byte));
        m_masks[i] = LetterMask(line);
        m_lengths[i] = static_cast<std::uint16_t>(line.size());
        m_firstLineOf[i] = m_firstLine.emplace(line, number).first->second;
        if (number < kLines && Drawable(line.size())) ++m_drawable;
    }
    m_loaded = true;
}

std::string WordBase::DrawSourceWord(RandomSource& random) {
    Load();
    if (m_drawable == 0) {
        throw DataFileError(m_path, "среди строк 1–" + std::to_string(kLines - 1) +
                                        " нет ни одного слова длиной от " +
                                        std::to_string(kMinSourceLength) + " до " +
                                        std::to_string(kMaxSourceLength) +
                                        " букв: исходное слово выбрать не из чего");
    }
    random.Reseed();
    for (;;) {
        const int n = static_cast<int>(random.Next() * kLines);
        // n = 0 would keep the previous candidate, which was refused already.
        if (n == 0) continue;
        const std::string& candidate = m_lines[n - 1];
        if (Drawable(candidate.size())) return candidate;
    }
}

bool WordBase::proverca(std::string_view word) { return FirstLine(word).has_value(); }

std::optional<int> WordBase::FirstLine(std::string_view word) {
    Load();
    const auto found = m_firstLine.find(word);
    if (found == m_firstLine.end()) return std::nullopt;
    return found->second;
}

const std::string& WordBase::Line(int number) {
    Load();
    return m_lines.at(static_cast<std::size_t>(number - 1));
}

int WordBase::FirstLineOf(int number) {
    Load();
    return m_firstLineOf.at(static_cast<std::size_t>(number - 1));
}

std::vector<int> WordBase::FittingLines(std::string_view source) {
    Load();
    const LetterPool pool(source);
    const std::uint64_t foreign = ~pool.mask();
    std::vector<int> fitting;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if ((m_masks[i] & foreign) != 0 || m_lengths[i] > pool.size()) continue;
        if (pool.CanMake(m_lines[i])) fitting.push_back(static_cast<int>(i) + 1);
    }
    return fitting;
}

const std::bitset<256>& WordBase::BytesUsed() {
    Load();
    return m_bytesUsed;
}

}  // namespace torvel
