// Splitting a data file into lines.
#include "common/line_reader.h"

#include <utility>

#include "common/data_file_reader.h"

namespace torvel {

LineSplitter::LineSplitter(std::size_t maxLines, std::size_t maxLineLength)
    : m_maxLines(maxLines), m_maxLineLength(maxLineLength) {}

bool LineSplitter::feed(std::string_view piece) {
    std::size_t pos = 0;
    if (!piece.empty()) {
        // An LF that opens this piece may finish a CR LF begun in the last one.
        if (m_afterCr && piece.front() == '\n') pos = 1;
        m_afterCr = false;
    }
    while (pos < piece.size() && !done()) {
        const std::size_t end = piece.find_first_of("\r\n", pos);
        const std::size_t stop = end == std::string_view::npos ? piece.size() : end;
        const std::string_view part = piece.substr(pos, stop - pos);
        if (part.size() > m_maxLineLength - m_current.size()) {
            m_current.append(part.substr(0, m_maxLineLength - m_current.size() + 1));
            m_cutShort = true;
            break;
        }
        m_current.append(part);
        if (end == std::string_view::npos) break;
        m_lines.push_back(std::move(m_current));
        m_current.clear();
        pos = end + 1;
        if (piece[end] == '\r') {
            if (pos == piece.size()) m_afterCr = true;
            else if (piece[pos] == '\n') ++pos;
        }
    }
    return !done();
}

std::vector<std::string> LineSplitter::finish() && {
    if (m_lines.size() < m_maxLines && !m_current.empty()) m_lines.push_back(std::move(m_current));
    return std::move(m_lines);
}

std::vector<std::string> SplitLines(std::string_view bytes, std::size_t maxLines) {
    LineSplitter lines(maxLines);
    lines.feed(bytes);
    return std::move(lines).finish();
}

std::vector<std::string> ReadLeadingLines(const std::string& path, std::size_t maxLines,
                                          std::size_t maxLineLength) {
    const DataFile file = OpenDataFile(path);
    LineSplitter lines(maxLines, maxLineLength);
    char buffer[1 << 16];
    for (bool wanted = maxLines > 0; wanted;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        wanted = lines.feed(std::string_view(buffer, got)) && got == sizeof buffer;
    }
    ThrowIfReadFailed(file.get(), path);
    return std::move(lines).finish();
}

}  // namespace torvel
