// The table of best results: ten rows of a name and a score, and its file.
#include "results/record_table.h"

#include <filesystem>
#include <stdexcept>
#include <utility>
#include <vector>

#include "common/data_file_error.h"
#include "results/leading_number.h"
#include "common/line_count_text.h"
#include "common/line_reader.h"
#include "results/number_text.h"
#include "common/atomic_write.h"
#include "results/file_lock.h"

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

RecordTable::RecordTable(std::string path, std::chrono::milliseconds lockWait)
    : m_path(std::move(path)), m_lockWait(lockWait) {}

RecordTable::Rows RecordTable::Read(const std::string& path) {
    std::vector<std::string> lines = ReadLeadingLines(path, kLines, kMaxCellBytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].size() > kMaxCellBytes) {
            throw DataFileError(path, "строка " + std::to_string(i + 1) + " длиннее " +
                                          std::to_string(kMaxCellBytes) + " байт");
        }
    }
    if (lines.size() < kLines) {
        throw DataFileError(path, LineCountText(lines.size()) + " вместо " + std::to_string(kLines));
    }
    Rows rows;
    for (std::size_t row = 0; row < kRowCount; ++row) {
        rows.names[row] = std::move(lines[row]);
        rows.scores[row] = std::move(lines[kRowCount + row]);
    }
    return rows;
}

void RecordTable::load() {
    m_loaded = false;
    m_cells = Read(m_path);
    m_read = m_cells;
    m_entered.clear();
    m_loaded = true;
}

bool RecordTable::hasUnsavedChanges() const { return m_loaded && (!m_entered.empty() || m_cells != m_read); }

void RecordTable::save() {
    if (!m_loaded) {
        throw DataFileError(m_path, "не записан, потому что таблица не была из него прочитана");
    }
    const FileLock lock(m_path, m_lockWait);
    Rows rows = m_cells;
    // A file that is gone, or a folder in its place, has nothing to merge
    // with: writing reports the folder, and makes a new file.
    std::error_code notThere;
    if (!m_entered.empty() && std::filesystem::is_regular_file(m_path, notThere)) {
        Rows now = Read(m_path);
        if (now != m_read) {
            for (const Entry& entry : m_entered) {
                if (const std::optional<int> position = PositionIn(now, entry.score)) {
                    Enter(now, static_cast<std::size_t>(*position), entry.score);
                    now.names[static_cast<std::size_t>(*position)] = entry.name;
                }
            }
            rows = std::move(now);
        }
    }
    std::string bytes;
    for (const auto* column : {&rows.names, &rows.scores}) {
        for (const std::string& cell : *column) {
            bytes += cell;
            bytes += "\r\n";
        }
    }
    WriteFileAtomically(m_path, bytes, "новая таблица в него не записана");
    m_cells = rows;
    m_read = std::move(rows);
    m_entered.clear();
}

std::optional<int> RecordTable::PositionIn(const Rows& rows, double score) {
    for (std::size_t row = 0; row < kRowCount; ++row) {
        if (!(score < LeadingNumber(rows.scores[row]))) return static_cast<int>(row);
    }
    return std::nullopt;
}

void RecordTable::Enter(Rows& rows, std::size_t position, double score) {
    for (std::size_t j = kRowCount - 1; j > position; --j) {
        rows.scores[j] = NumberText(LeadingNumber(rows.scores[j - 1]));
    }
    rows.scores[position] = NumberText(score);
    for (std::size_t j = kRowCount - 1; j > position; --j) rows.names[j] = rows.names[j - 1];
}

std::optional<int> RecordTable::findPosition(double score) const { return PositionIn(m_cells, score); }

void RecordTable::insertRow(int position, double score, const NameQuestion& askName) {
    const std::size_t p = Row(position);
    if (!askName) throw std::invalid_argument("RecordTable::insertRow: no name question");
    Enter(m_cells, p, score);
    // Noted before the question, so that a question that fails leaves the
    // entry as the row shows it.
    m_entered.push_back({score, m_cells.names[p]});
    m_cells.names[p] = Cell(askName());
    m_entered.back().name = m_cells.names[p];
}

std::optional<int> RecordTable::enterResult(double score, const NameQuestion& askName) {
    const std::optional<int> position = findPosition(score);
    if (position) insertRow(*position, score, askName);
    return position;
}

void RecordTable::setName(int row, std::string_view text) { m_cells.names[Row(row)] = Cell(text); }

void RecordTable::setScore(int row, std::string_view text) { m_cells.scores[Row(row)] = Cell(text); }

const std::string& RecordTable::nameBytes(int row) const { return m_cells.names[Row(row)]; }

const std::string& RecordTable::scoreBytes(int row) const { return m_cells.scores[Row(row)]; }

}  // namespace torvel
