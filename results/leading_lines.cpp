// Reading the first lines of a text file without reading the rest of it.
#include "results/leading_lines.h"

#include <string_view>

#include "common/data_file_error.h"
#include "common/data_file_reader.h"

namespace torvel {

namespace {

class LineCollector {
public:
    LineCollector(const std::string& path, std::size_t count, std::size_t maxLineBytes)
        : m_path(path), m_count(count), m_maxLineBytes(maxLineBytes) {}

    bool full() const { return m_lines.size() >= m_count; }

    void feed(std::string_view chunk) {
        std::size_t pos = 0;
        // An LF that opens this chunk may finish a CR LF begun in the last one.
        if (m_afterCr && !chunk.empty() && chunk.front() == '\n') pos = 1;
        m_afterCr = false;
        while (pos < chunk.size() && !full()) {
            const std::size_t end = chunk.find_first_of("\r\n", pos);
            const std::size_t stop = end == std::string_view::npos ? chunk.size() : end;
            append(chunk.substr(pos, stop - pos));
            if (end == std::string_view::npos) return;
            m_lines.push_back(std::move(m_current));
            m_current.clear();
            pos = end + 1;
            if (chunk[end] == '\r') {
                if (pos == chunk.size()) m_afterCr = true;
                else if (chunk[pos] == '\n') ++pos;
            }
        }
    }

    std::vector<std::string> finish() {
        // A last line without a terminator still counts.
        if (!full() && !m_current.empty()) m_lines.push_back(std::move(m_current));
        return std::move(m_lines);
    }

private:
    void append(std::string_view piece) {
        if (m_current.size() + piece.size() > m_maxLineBytes) {
            throw DataFileError(m_path, "строка " + std::to_string(m_lines.size() + 1) +
                                            " длиннее " + std::to_string(m_maxLineBytes) + " байт");
        }
        m_current.append(piece);
    }

    const std::string& m_path;
    std::size_t m_count;
    std::size_t m_maxLineBytes;
    std::vector<std::string> m_lines;
    std::string m_current;
    bool m_afterCr = false;
};

}  // namespace

std::vector<std::string> ReadLeadingLines(const std::string& path, std::size_t count,
                                          std::size_t maxLineBytes) {
    const DataFile file = OpenDataFile(path);
    LineCollector lines(path, count, maxLineBytes);
    char buffer[1 << 16];
    while (!lines.full()) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        lines.feed(std::string_view(buffer, got));
        if (got < sizeof buffer) break;
    }
    ThrowIfReadFailed(file.get(), path);
    return lines.finish();
}

}  // namespace torvel
