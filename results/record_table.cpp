// The table of best results: ten rows of a name and a score, and its file.
#include "results/record_table.h"

#include <stdexcept>
#include <utility>
#include <vector>

#include "common/data_file_error.h"
#include "common/leading_number.h"
#include "common/line_count_text.h"
#include "common/line_reader.h"
#include "common/number_text.h"
#include "results/atomic_write.h"

namespace torvel {

namespace {

constexpr auto kRowCount = static_cast<std::size_t>(RecordTable::kRows);

std::string Cell(std::string_view text) {
    std::string bytes(text.substr(0, RecordTable::kMaxCellBytes));
    for (char& c : bytes) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return bytes;
}

std::size_t Row(int row) {
    if (row < 0 || row >= RecordTable::kRows) {
        throw std::out_of_range("RecordTable: row " + std::to_string(row) + " outside 0..9");
    }
    return static_cast<std::size_t>(row);
}

}  // namespace

RecordTable::RecordTable(std::string path) : m_path(std::move(path)) {}

void RecordTable::load() {
    m_loaded = false;
    std::vector<std::string> lines = ReadLeadingLines(m_path, kLines, kMaxCellBytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].size() > kMaxCellBytes) {
            throw DataFileError(m_path, "строка " + std::to_string(i + 1) + " длиннее " +
                                            std::to_string(kMaxCellBytes) + " байт");
        }
    }
    if (lines.size() < kLines) {
        throw DataFileError(m_path, LineCountText(lines.size()) + " вместо " + std::to_string(kLines));
    }
    for (std::size_t row = 0; row < kRowCount; ++row) {
        m_names[row] = std::move(lines[row]);
        m_scores[row] = std::move(lines[kRowCount + row]);
    }
    m_loaded = true;
}

void RecordTable::save() const {
    if (!m_loaded) {
        throw DataFileError(m_path, "не записан, потому что таблица не была из него прочитана");
    }
    std::string bytes;
    for (const auto* column : {&m_names, &m_scores}) {
        for (const std::string& cell : *column) {
            bytes += cell;
            bytes += "\r\n";
        }
    }
    WriteFileAtomically(m_path, bytes);
}

std::optional<int> RecordTable::findPosition(double score) const {
    for (int row = 0; row < kRows; ++row) {
        if (!(score < LeadingNumber(m_scores[Row(row)]))) return row;
    }
    return std::nullopt;
}

void RecordTable::insertRow(int position, double score, const NameQuestion& askName) {
    const std::size_t p = Row(position);
    if (!askName) throw std::invalid_argument("RecordTable::insertRow: no name question");
    for (std::size_t j = kRowCount - 1; j > p; --j) {
        m_scores[j] = NumberText(LeadingNumber(m_scores[j - 1]));
    }
    m_scores[p] = NumberText(score);
    for (std::size_t j = kRowCount - 1; j > p; --j) m_names[j] = m_names[j - 1];
    m_names[p] = Cell(askName());
}

std::optional<int> RecordTable::enterResult(double score, const NameQuestion& askName) {
    const std::optional<int> position = findPosition(score);
    if (position) insertRow(*position, score, askName);
    return position;
}

void RecordTable::setName(int row, std::string_view text) { m_names[Row(row)] = Cell(text); }

void RecordTable::setScore(int row, std::string_view text) { m_scores[Row(row)] = Cell(text); }

const std::string& RecordTable::nameBytes(int row) const { return m_names[Row(row)]; }

const std::string& RecordTable::scoreBytes(int row) const { return m_scores[Row(row)]; }

}  // namespace torvel
