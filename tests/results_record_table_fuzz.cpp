// Fuzz target: results.tvl made of arbitrary bytes. Loading either succeeds
// with the file's first twenty lines or fails with a DataFileError; a loaded
// table, with a result entered, saves and loads back to the same cells.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "common/data_file_error.h"
#include "results/leading_number.h"
#include "common/line_reader.h"
#include "results/record_table.h"
#include "tests/support/temp_folder.h"

namespace {

using torvel::RecordTable;

void Check(bool condition) {
    if (!condition) std::abort();
}

std::vector<std::string> Cells(const RecordTable& table) {
    std::vector<std::string> cells;
    for (int row = 0; row < RecordTable::kRows; ++row) cells.push_back(table.nameBytes(row));
    for (int row = 0; row < RecordTable::kRows; ++row) cells.push_back(table.scoreBytes(row));
    return cells;
}

bool Loadable(const std::vector<std::string>& lines) {
    if (lines.size() < RecordTable::kLines) return false;
    for (const std::string& line : lines) {
        if (line.size() > RecordTable::kMaxCellBytes) return false;
    }
    return true;
}

void SavedTableLoadsBack(RecordTable& table) {
    table.save();
    RecordTable reread(table.path());
    reread.load();
    Check(Cells(reread) == Cells(table));
}

// Every save syncs to the disk; a folder in memory, where there is one, keeps
// the syncs from setting the fuzzer's pace.
std::filesystem::path ScratchParent() {
    const std::filesystem::path memory = "/dev/shm";
    std::error_code error;
    return std::filesystem::is_directory(memory, error) ? memory
                                                        : std::filesystem::temp_directory_path();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const torvel::testing::TempFolder folder(ScratchParent());
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string path = folder.file("results.tvl");
    torvel::testing::WriteBytes(path, bytes);

    const std::vector<std::string> expected = torvel::SplitLines(bytes, RecordTable::kLines);
    RecordTable table(path);
    try {
        table.load();
    } catch (const torvel::DataFileError&) {
        Check(!Loadable(expected) && !table.isLoaded());
        return 0;
    }
    Check(Loadable(expected) && Cells(table) == expected);
    SavedTableLoadsBack(table);

    // The input's own bytes serve as the new score and as the name typed.
    const double score = torvel::LeadingNumber(bytes.substr(0, 24));
    table.enterResult(score, [&] { return bytes.substr(0, 200); });
    for (const std::string& cell : Cells(table)) {
        Check(cell.find_first_of("\r\n") == std::string::npos);
    }
    SavedTableLoadsBack(table);
    return 0;
}
