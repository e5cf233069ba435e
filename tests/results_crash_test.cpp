// Saving results.tvl when things go wrong: the process is killed mid-save,
// the folder or the file is read-only, the file is a link, the file may not
// grow, the file is a folder, two copies of the game save at once.
#include <gtest/gtest.h>

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <numeric>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "common/data_file_error.h"
#include "results/record_table.h"
#include "tests/support/table_text.h"
#include "tests/support/temp_folder.h"

namespace torvel {
namespace {

using testing::ReadBytes;
using testing::TableText;
using testing::TempFolder;
using testing::WriteBytes;

const std::vector<std::string> kNames = {"Аня",  "Боря", "Вера", "Гена",  "Даша",
                                         "Егор", "Жора", "Зоя",  "Игорь", "Катя"};
const std::vector<std::string> kScores = {"300", "250", "200", "150", "100",
                                          "50",  "40",  "30",  "20",  "10"};

// Exit codes of the forked children.
constexpr int kReported = 0;
constexpr int kNotReported = 1;
constexpr int kWrongReport = 2;
constexpr int kSaved = 3;
constexpr int kCannotTest = 77;

// Runs `body` in a child process and returns its exit code, or -1 when a
// signal ended it. A child that hangs is ended by its alarm.
int RunInChild(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(20);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Saves and says whether the failure was reported with `problem` for `path`.
int SaveExpectingFailure(RecordTable& table, const std::string& problem) {
    try {
        table.save();
    } catch (const DataFileError& error) {
        const bool named = error.file() == table.path();
        return named && error.problem().find(problem) != std::string::npos ? kReported
                                                                           : kWrongReport;
    }
    return kNotReported;
}

// A root process ignores permission bits, so it becomes "nobody" first.
bool DropRootPrivileges() {
    if (::geteuid() != 0) return true;
    const gid_t nogroup = 65534;
    const uid_t nobody = 65534;
    return ::setgroups(0, nullptr) == 0 && ::setgid(nogroup) == 0 && ::setuid(nobody) == 0 &&
           ::geteuid() == nobody;
}

RecordTable LoadedTable(const std::string& path) {
    WriteBytes(path, TableText(kNames, kScores));
    RecordTable table(path);
    table.load();
    table.enterResult(500, [] { return std::string("Лена"); });
    return table;
}

TEST(RecordTableCrash, AKilledSaveLeavesTheOldOrTheNewTable) {
    TempFolder folder;
    const std::string path = folder.file("results.tvl");
    const std::string textA = TableText(kNames, kScores);
    WriteBytes(path, textA);
    RecordTable tableA(path);
    tableA.load();
    // B is much longer than A, so that a half-written file could not pass for either.
    RecordTable tableB = tableA;
    for (int row = 0; row < RecordTable::kRows; ++row) {
        tableB.setName(row, std::string(3000, 'b'));
    }
    tableB.save();
    const std::string textB = ReadBytes(path);

    // Kills are spread over about two saves' time, whatever the disk's speed;
    // the median keeps one slow sync from stretching the spread.
    std::vector<std::chrono::microseconds> saveTimes;
    for (int i = 0; i < 11; ++i) {
        const auto start = std::chrono::steady_clock::now();
        tableA.save();
        saveTimes.push_back(std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - start));
    }
    std::nth_element(saveTimes.begin(), saveTimes.begin() + 5, saveTimes.end());
    const long latest = 2 * saveTimes[5].count() + 300;

    std::mt19937 random(7);
    std::uniform_int_distribution<long> delay(0, latest);
    int trials = 0;
    int sawA = 0;
    int sawB = 0;
    // Hundreds of trials on an idle machine; a busy one goes on a while
    // longer until its kills have landed both before and after a rename.
    const auto enough = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (;;) {
        const auto now = std::chrono::steady_clock::now();
        const bool sawBoth = sawA > 0 && sawB > 0;
        if (now >= deadline || (sawBoth && (trials >= 500 || now >= enough))) break;

        WriteBytes(path, textA);
        // The child reports when it begins and after each save, so that the
        // time a busy machine takes to fork does not eat the delay, and every
        // other kill is timed from the end of its first save.
        int progress[2];
        ASSERT_EQ(::pipe(progress), 0);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(progress[0]);
            const char step = 1;
            try {
                for (;;) {
                    if (::write(progress[1], &step, 1) != 1) ::_exit(kWrongReport);
                    tableB.save();
                    if (::write(progress[1], &step, 1) != 1) ::_exit(kWrongReport);
                    tableA.save();
                }
            } catch (...) {
                ::_exit(kWrongReport);
            }
        }
        ::close(progress[1]);
        const int stepsToAwait = trials % 2 == 0 ? 1 : 2;
        bool reported = true;
        for (int step = 0; step < stepsToAwait && reported; ++step) {
            char byte = 0;
            reported = ::read(progress[0], &byte, 1) == 1;
        }
        if (reported) std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(pid, SIGKILL);
        ::close(progress[0]);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself";
        ++trials;

        const std::string text = ReadBytes(path);
        if (text == textA) {
            ++sawA;
        } else if (text == textB) {
            ++sawB;
        } else {
            FAIL() << "trial " << trials << ": results.tvl holds " << text.size() << " other bytes";
        }
    }
    const std::string counts = "trials " + std::to_string(trials) + ", old " +
                               std::to_string(sawA) + ", new " + std::to_string(sawB) +
                               ", kills within " + std::to_string(latest) + " µs";
    EXPECT_GE(trials, 50) << counts;
    EXPECT_GT(sawA, 0) << counts;
    EXPECT_GT(sawB, 0) << counts;
    std::printf("%s\n", counts.c_str());
    // A killed save may leave its temporary file behind, but nothing else.
    for (const std::string& name : folder.entries()) {
        EXPECT_EQ(name.rfind("results.tvl", 0), 0u) << name;
    }
}

TEST(RecordTableCrash, AReadOnlyFolderIsReportedAndTheFileKept) {
    TempFolder folder;
    const std::string path = folder.file("results.tvl");
    RecordTable table = LoadedTable(path);
    const std::string before = ReadBytes(path);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);

    const int result = RunInChild([&] {
        if (!DropRootPrivileges() || ::access(folder.path().c_str(), W_OK) == 0) return kCannotTest;
        return SaveExpectingFailure(table, "нет прав доступа");
    });
    if (result == kCannotTest) {
        GTEST_SKIP() << "cannot become a user for whom the folder is read-only";
    }
    EXPECT_EQ(result, kReported);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"results.tvl"});
}

TEST(RecordTableCrash, AnOrdinaryUsersSaveLeavesTheWholeOldTableOrTheWholeNewOne) {
    namespace fs = std::filesystem;
    constexpr uid_t kNobody = 65534;
    struct Case {
        const char* name;
        bool throughLink;    // results.tvl is a link to the file in another folder
        mode_t folderMode;   // of the folder that holds the file itself
        mode_t fileMode;
        rlim_t sizeLimit;    // 0: none
        const char* problem; // nullptr: the new table is saved
    };
    const Case cases[] = {
        {"read-only file", false, 0755, 0444, 0, "доступен только для чтения"},
        {"read-only folder", false, 0555, 0644, 0, nullptr},
        {"read-only folder and a file that may not grow", false, 0555, 0644, 4096, "прежнее содержимое сохранено"},
        {"link", true, 0755, 0644, 0, nullptr},
        {"link to a read-only file", true, 0755, 0444, 0, "доступен только для чтения"},
        {"link into a read-only folder", true, 0555, 0644, 0, nullptr},
    };
    const std::string oldText = TableText(kNames, kScores);
    std::vector<std::string> longNames = kNames;
    longNames[3] = std::string(20000, 'x');  // the new table outgrows the size limit
    const std::string newText = TableText(longNames, kScores);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder root;
        const fs::path game = root.path() / "game";
        const fs::path store = c.throughLink ? root.path() / "store" : game;
        fs::create_directories(game);
        fs::create_directories(store);
        const std::string path = (game / "results.tvl").string();
        const std::string file = (store / "results.tvl").string();
        WriteBytes(file, oldText);
        if (c.throughLink) fs::create_symlink("../store/results.tvl", path);
        RecordTable table(path);
        table.load();
        table.setName(3, longNames[3]);

        // The folders and the file are the unprivileged user's own.
        if (::geteuid() == 0) {
            for (const fs::path& own : {root.path(), game, store, fs::path(file)}) {
                ASSERT_EQ(::chown(own.c_str(), kNobody, kNobody), 0);
            }
            if (c.throughLink) {
                ASSERT_EQ(::lchown(path.c_str(), kNobody, kNobody), 0);
            }
        }
        ASSERT_EQ(::chmod(root.path().c_str(), 0755), 0);
        ASSERT_EQ(::chmod(file.c_str(), c.fileMode), 0);
        ASSERT_EQ(::chmod(store.c_str(), c.folderMode), 0);

        const int result = RunInChild([&] {
            if (!DropRootPrivileges() || ::access(file.c_str(), R_OK) != 0) return kCannotTest;
            if (c.sizeLimit != 0) {
                ::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{c.sizeLimit, c.sizeLimit};
                if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return kCannotTest;
            }
            if (c.problem == nullptr) {
                try {
                    table.save();
                    return kSaved;
                } catch (const DataFileError&) {
                    return kWrongReport;
                }
            }
            return SaveExpectingFailure(table, c.problem);
        });
        ::chmod(store.c_str(), 0755);
        if (result == kCannotTest) GTEST_SKIP() << "cannot become an unprivileged user";
        EXPECT_EQ(result, c.problem == nullptr ? kSaved : kReported);
        EXPECT_TRUE(ReadBytes(file) == (c.problem == nullptr ? newText : oldText));
        if (c.throughLink) {
            EXPECT_TRUE(fs::is_symlink(path) && fs::read_symlink(path) == "../store/results.tvl");
        }
        // No temporary file is left behind in either folder.
        EXPECT_EQ(TempFolder::EntriesOf(game), std::vector<std::string>{"results.tvl"});
        EXPECT_EQ(TempFolder::EntriesOf(store), std::vector<std::string>{"results.tvl"});
    }
}

TEST(RecordTableCrash, AnUnreadableFileIsReportedAndNotSavedOver) {
    TempFolder folder;
    const std::string path = folder.file("results.tvl");
    RecordTable table = LoadedTable(path);
    const std::string before = ReadBytes(path);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);

    const int result = RunInChild([&] {
        if (!DropRootPrivileges() || ::access(path.c_str(), R_OK) == 0) return kCannotTest;
        try {
            table.load();
            return kNotReported;
        } catch (const DataFileError& error) {
            if (error.problem() != "не удалось открыть: нет прав доступа") return kWrongReport;
        }
        return SaveExpectingFailure(table, "не была из него прочитана");
    });
    if (result == kCannotTest) GTEST_SKIP() << "cannot become a user who may not read the file";
    EXPECT_EQ(result, kReported);
    ::chmod(path.c_str(), 0644);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"results.tvl"});
}

TEST(RecordTableCrash, AWriteCutShortByTheFileSizeLimitIsReported) {
    TempFolder folder;
    const std::string path = folder.file("results.tvl");
    RecordTable table = LoadedTable(path);
    const std::string before = ReadBytes(path);
    table.setName(3, std::string(20000, 'x'));

    const int result = RunInChild([&] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return kCannotTest;
        return SaveExpectingFailure(table, "превышен допустимый размер файла");
    });
    ASSERT_NE(result, kCannotTest) << "setrlimit failed";
    EXPECT_EQ(result, kReported);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"results.tvl"});
}

TEST(RecordTableCrash, AFolderInTheFilesPlaceIsReportedAndKept) {
    TempFolder folder;
    const std::string path = folder.file("results.tvl");
    RecordTable table = LoadedTable(path);
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    WriteBytes(path + "/inside", "kept");

    EXPECT_EQ(SaveExpectingFailure(table, "не удалось заменить"), kReported);
    EXPECT_EQ(ReadBytes(path + "/inside"), "kept");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"results.tvl"});
}

TEST(RecordTableLock, TwoCopiesSavingAtOnceKeepEveryResultAndNeverTearTheFile) {
    constexpr int kRounds = 150;
    const TempFolder folder;
    const std::string path = folder.file("results.tvl");
    WriteBytes(path, TableText(kNames, {"-1", "-2", "-3", "-4", "-5", "-6", "-7", "-8", "-9", "-10"}));
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
    std::vector<std::string> best;
    for (int k = 1; k <= RecordTable::kRows; ++k) best.push_back(std::to_string(2 * kRounds - k));
    EXPECT_EQ(ReadBytes(path), TableText(best, best));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"results.tvl"});
}

}  // namespace
}  // namespace torvel
