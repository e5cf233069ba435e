// Two copies of the game saving one results.tvl at once.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <thread>

#include "results/record_table.h"
#include "results_test_files.h"

namespace torvel {
namespace {

TEST(RecordTableLock, TwoCopiesSavingAtOnceKeepEveryResultAndNeverTearTheFile) {
    constexpr int kRounds = 150;
    const testing::TempFolder folder;
    const std::string path = folder.file("results.tvl");
    const std::vector<std::string> low = {"-1", "-2", "-3", "-4", "-5", "-6", "-7", "-8", "-9", "-10"};
    testing::WriteBytes(path, testing::TableText(low, low));
    std::vector<int> scores(2 * kRounds);
    std::iota(scores.begin(), scores.end(), 0);
    std::shuffle(scores.begin(), scores.end(), std::mt19937(5));
    const pid_t child = ::fork();
    const int copy = child == 0 ? 1 : 0;
    std::mt19937 pause(copy);
    bool failed = false;
    for (int round = 0; round < kRounds && !failed; ++round) {
        const int score = scores[copy * kRounds + round];
        try {
            // Each round opens the window afresh, so a torn file fails the load.
            RecordTable table(path);
            table.load();
            if (!table.enterResult(score, [&] { return std::to_string(score); })) continue;
            std::this_thread::sleep_for(std::chrono::microseconds(pause() % 1000));
            table.save();  // as the window does: only a changed table
        } catch (const std::exception& error) {
            failed = true;
            ADD_FAILURE() << "copy " << copy << ": " << error.what();
        }
    }
    if (child == 0) ::_exit(failed ? 1 : 0);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(status, 0);
    // The ten best of both copies' results stand, each under its own name.
    std::sort(scores.rbegin(), scores.rend());
    std::vector<std::string> best;
    for (int k = 0; k < RecordTable::kRows; ++k) best.push_back(std::to_string(scores[k]));
    EXPECT_EQ(testing::ReadBytes(path), testing::TableText(best, best));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"results.tvl"});
}

}  // namespace
}  // namespace torvel
