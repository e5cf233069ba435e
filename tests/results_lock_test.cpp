// Copies of the game saving one results.tvl: the lock between them, and the
// results that each of them enters.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <thread>

#include "results/file_lock.h"
#include "results/record_table.h"
#include "results_test_files.h"

namespace torvel {
namespace {

using testing::ReadBytes;
using testing::TableText;
using testing::TempFolder;

// A table that any score from 0 up enters.
std::string LowTable() {
    return TableText(std::vector<std::string>(10, "x"), {"-1", "-2", "-3", "-4", "-5", "-6", "-7", "-8", "-9", "-10"});
}

TEST(RecordTableLock, TwoCopiesSavingAtOnceKeepEveryResultAndNeverTearTheFile) {
    constexpr int kRounds = 150;
    TempFolder folder;
    const std::string path = folder.file("results.tvl");
    testing::WriteBytes(path, LowTable());
    std::vector<int> scores(2 * kRounds);
    std::iota(scores.begin(), scores.end(), 0);
    std::shuffle(scores.begin(), scores.end(), std::mt19937(5));
    std::vector<pid_t> copies;
    for (int copy = 0; copy < 2; ++copy) {
        copies.push_back(::fork());
        if (copies.back() != 0) continue;
        std::mt19937 pause(copy);
        try {
            for (int round = 0; round < kRounds; ++round) {
                // Each round opens the window afresh, so a torn file fails the load.
                RecordTable table(path);
                table.load();
                const int score = scores[copy * kRounds + round];
                if (!table.enterResult(score, [&] { return std::to_string(score); })) continue;
                std::this_thread::sleep_for(std::chrono::microseconds(pause() % 1000));
                table.save();  // as the window does: only a changed table
            }
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    for (const pid_t copy : copies) {
        int status = 0;
        ::waitpid(copy, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    // The ten best of all the results stand, each under its own name.
    std::sort(scores.rbegin(), scores.rend());
    std::vector<std::string> best;
    for (int k = 0; k < RecordTable::kRows; ++k) best.push_back(std::to_string(scores[k]));
    EXPECT_EQ(ReadBytes(path), TableText(best, best));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"results.tvl"});
}

TEST(RecordTableLock, AHeldLockIsReportedKeepingTheResultAndAStaleOneIsTakenOver) {
    TempFolder folder;
    const std::string path = folder.file("results.tvl");
    testing::WriteBytes(path, LowTable());
    RecordTable table(path, std::chrono::milliseconds(100));
    table.load();
    table.enterResult(5, [] { return std::string("Лена"); });
    {
        const FileLock held(path, std::chrono::milliseconds(0));
        EXPECT_THROW(table.save(), FileBusyError);
        EXPECT_TRUE(table.hasUnsavedChanges());
        EXPECT_EQ(ReadBytes(path), LowTable());
    }
    // A copy that crashed holding the lock left its lock file behind.
    if (::fork() == 0) {
        const FileLock crashed(path, std::chrono::milliseconds(0));
        ::_exit(0);
    }
    ::wait(nullptr);
    ASSERT_EQ(folder.entries(), (std::vector<std::string>{"results.tvl", "results.tvl.lock"}));
    table.save();
    EXPECT_FALSE(table.hasUnsavedChanges());
    RecordTable saved(path);
    saved.load();
    EXPECT_EQ(saved.nameUtf8(0), "Лена");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"results.tvl"});
}

}  // namespace
}  // namespace torvel
