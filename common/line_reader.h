// Splitting a data file into lines.
#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace torvel {

// Cuts text that arrives in pieces into lines. CR LF, a lone CR and a lone LF
// each end a line, also when a CR LF is split between two pieces; the
// terminator is not part of the line and nothing else is stripped. A last line
// without a terminator still counts; text ending in a terminator has no empty
// line after it.
class LineSplitter {
public:
    static constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

    // At most `maxLines` lines are kept. A line longer than `maxLineLength`
    // bytes ends the text: it is kept cut to maxLineLength + 1 bytes, enough
    // for its owner to tell that it is too long.
    explicit LineSplitter(std::size_t maxLines, std::size_t maxLineLength = kNoLimit);

    // Takes the next piece of the text. False once no more text is wanted.
    bool feed(std::string_view piece);

    // The lines found, the last line without a terminator included.
    std::vector<std::string> finish() &&;

private:
    bool done() const { return m_cutShort || m_lines.size() >= m_maxLines; }

    std::size_t m_maxLines;
    std::size_t m_maxLineLength;
    std::vector<std::string> m_lines;
    std::string m_current;
    bool m_afterCr = false;
    bool m_cutShort = false;
};

// The lines of `bytes`, at most `maxLines` of them: the rest is never looked at.
std::vector<std::string> SplitLines(std::string_view bytes, std::size_t maxLines);

// The lines at the start of a file, split and limited as by LineSplitter.
// Reading stops after the last line wanted or within a line that is too long,
// so whatever follows, however large, is never read. Throws DataFileError
// ("не найден", "не удалось открыть: ...", "не удалось прочитать: ...") when
// the file cannot be read.
std::vector<std::string> ReadLeadingLines(const std::string& path, std::size_t maxLines,
                                          std::size_t maxLineLength);

}  // namespace torvel
