// Benchmarks of the table of best results: what closing the statistics and
// best-results windows costs, with and without writing the file, and what the
// lock between copies of the game adds to a save.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "results/file_lock.h"
#include "results/record_table.h"

namespace {

namespace fs = std::filesystem;

// A scratch folder holding a typical results.tvl, removed afterwards.
class ScratchTable {
public:
    ScratchTable() {
        std::string pattern = (fs::temp_directory_path() / "torvel-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        m_folder = pattern;
        std::ofstream out(path(), std::ios::binary);
        for (int row = 0; row < torvel::RecordTable::kRows; ++row)
            out << "\xC8\xE3\xF0\xEE\xEA " << row << "\r\n";
        for (int row = 0; row < torvel::RecordTable::kRows; ++row) out << 500 - 40 * row << "\r\n";
    }
    ~ScratchTable() {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    ScratchTable(const ScratchTable&) = delete;
    ScratchTable& operator=(const ScratchTable&) = delete;

    std::string path() const { return (m_folder / "results.tvl").string(); }

private:
    fs::path m_folder;
};

std::string AskName() { return "Игрок"; }

// Load, enter a result at the top, save: the file's whole road after a game.
void BM_RecordTableRoundTrip(benchmark::State& state) {
    const ScratchTable scratch;
    for (auto _ : state) {
        torvel::RecordTable table(scratch.path());
        table.load();
        benchmark::DoNotOptimize(table.enterResult(1000, AskName));
        table.save();
    }
}
BENCHMARK(BM_RecordTableRoundTrip)->Unit(benchmark::kMicrosecond);

// The same without the save, to show how much of the above is the disk.
void BM_RecordTableLoadAndEnter(benchmark::State& state) {
    const ScratchTable scratch;
    for (auto _ : state) {
        torvel::RecordTable table(scratch.path());
        table.load();
        benchmark::DoNotOptimize(table.enterResult(1000, AskName));
    }
}
BENCHMARK(BM_RecordTableLoadAndEnter)->Unit(benchmark::kMicrosecond);

// Taking and letting go of the lock that every save holds, with no other copy
// of the game about: making and removing results.tvl.lock.
void BM_FileLockUncontended(benchmark::State& state) {
    const ScratchTable scratch;
    for (auto _ : state) {
        const torvel::FileLock lock(scratch.path(), std::chrono::milliseconds(0));
    }
}
BENCHMARK(BM_FileLockUncontended)->Unit(benchmark::kMicrosecond);

// A save after another copy saved a result meanwhile: under the lock the file
// is read again and this copy's result entered into it.
void BM_RecordTableSaveMergingAnotherCopysResult(benchmark::State& state) {
    const ScratchTable scratch;
    for (auto _ : state) {
        state.PauseTiming();
        torvel::RecordTable mine(scratch.path());
        torvel::RecordTable other(scratch.path());
        mine.load();
        other.load();
        other.enterResult(2000, AskName);
        other.save();
        mine.enterResult(1000, AskName);
        state.ResumeTiming();
        mine.save();
    }
}
BENCHMARK(BM_RecordTableSaveMergingAnotherCopysResult)->Unit(benchmark::kMicrosecond);

}  // namespace
