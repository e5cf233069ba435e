// The statistics and best-results windows: entering a result or not, closing
// them, reopening the table, and a results file that cannot be used.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QLabel>
#include <QTest>
#include <csignal>

#include "results/file_lock.h"
#include "windows/frmtorvel.h"
#include "windows_test_support.h"

namespace torvel::test {
namespace {

class RecordsTest : public ::testing::Test {
protected:
    RecordsTest() : window(messages, names, random) {}

    void SetUp() override {
        ASSERT_TRUE(window.Form_Load());
        window.show();
    }

    QWidget* statistics() const { return TopLevel("frmtvlstat"); }
    QWidget* records() const { return TopLevel("frmbre"); }
    QString Cell(const char* column, int row) const {
        return records()->findChild<QLabel*>(QStringLiteral("%1_%2").arg(QLatin1String(column)).arg(row))->text();
    }
    // "Закончить игру" before any start: a draw with 0 points.
    void EndTheGame() { Click(&window, "VantorButton5"); }
    std::string results() const { return folder.Read(QStringLiteral("results.tvl")); }

    GameFolder folder;
    RecordingMessageBox messages;
    ScriptedNameDialog names;
    ScriptedRandom random;
    frmtorvel window;
};

TEST_F(RecordsTest, PointsBelowEveryScoreShowTheTableUnchangedWithoutAskingAName) {
    EndTheGame();
    const std::string before = results();
    Click(statistics(), "VantorButton1");

    EXPECT_EQ(names.asked, 0);
    EXPECT_FALSE(statistics()->isVisible());
    EXPECT_TRUE(records()->isVisible());
    EXPECT_EQ(Cell("Label2", 0), QStringLiteral("Анна"));
    EXPECT_EQ(Cell("Label1", 9), QStringLiteral("10"));
    records()->close();
    EXPECT_EQ(results(), before);
}

TEST_F(RecordsTest, TheStatisticsCloseBoxEntersNothing) {
    folder.WriteResults({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"},
                        {"9", "8", "7", "6", "5", "4", "3", "2", "1", "-1"});
    const std::string before = results();
    EndTheGame();
    ASSERT_TRUE(statistics()->isVisible());
    statistics()->close();

    EXPECT_FALSE(statistics()->isVisible());
    EXPECT_EQ(names.asked, 0);
    EXPECT_FALSE(records() && records()->isVisible());
    EXPECT_EQ(results(), before);
}

TEST_F(RecordsTest, OpeningTheTableWhileItIsOpenReadsTheFileAgain) {
    Click(&window, "VantorButton1");
    ASSERT_TRUE(records()->isVisible());
    EXPECT_EQ(Cell("Label2", 0), QStringLiteral("Анна"));

    folder.WriteResults({"Яна", "b", "c", "d", "e", "f", "g", "h", "i", "j"},
                        {"900", "8", "7", "6", "5", "4", "3", "2", "1", "-1"});
    Click(&window, "VantorButton1");
    EXPECT_TRUE(records()->isVisible());
    EXPECT_EQ(Cell("Label2", 0), QStringLiteral("Яна"));
    EXPECT_EQ(Cell("Label1", 0), QStringLiteral("900"));

    // "Далее" with the window open: read again, then the result entered there.
    folder.WriteResults({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"},
                        {"9", "8", "7", "6", "5", "4", "3", "2", "1", "-1"});
    EndTheGame();
    names.answers = {QStringLiteral("Ноль")};
    Click(statistics(), "VantorButton1");
    EXPECT_EQ(Cell("Label2", 0), QStringLiteral("a"));
    EXPECT_EQ(Cell("Label2", 9), QStringLiteral("Ноль"));
    EXPECT_EQ(Cell("Label1", 9), QStringLiteral("0"));
    EXPECT_TRUE(records()->isVisible());
    EXPECT_TRUE(messages.shown.empty());
}

// A results file that cannot be used, and what is on disk in its place.
struct BrokenResults {
    const char* what;
    std::function<void(GameFolder&)> make;
    const char* problem;  // a word of the message
};

std::vector<BrokenResults> BrokenResultsCases() {
    return {
        {"missing", [](GameFolder& folder) { folder.Remove(QStringLiteral("results.tvl")); }, "не найден"},
        {"short", [](GameFolder& folder) { folder.Write(QStringLiteral("results.tvl"), "a\r\nb\r\n1\r\n"); }, ""},
        {"a folder",
         [](GameFolder& folder) {
             folder.Remove(QStringLiteral("results.tvl"));
             QDir(folder.path(QString())).mkdir(QStringLiteral("results.tvl"));
         },
         ""},
    };
}

TEST_F(RecordsTest, AnUnusableResultsFileIsReportedAndNeverWrittenOver) {
    for (const BrokenResults& broken : BrokenResultsCases()) {
        SCOPED_TRACE(broken.what);
        messages.shown.clear();
        broken.make(folder);
        const std::string before = results();

        // From the main window: told, nothing shown.
        Click(&window, "VantorButton1");
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("results.tvl"))) << messages.shown[0].toStdString();
        EXPECT_TRUE(messages.shown[0].contains(QString::fromUtf8(broken.problem)));
        EXPECT_FALSE(records() && records()->isVisible());

        // From "Далее": told, nothing entered, the statistics stay for another try.
        EndTheGame();
        Click(statistics(), "VantorButton1");
        ASSERT_EQ(messages.shown.size(), 2u);
        EXPECT_TRUE(messages.shown[1].contains(QStringLiteral("results.tvl")));
        EXPECT_EQ(names.asked, 0);
        EXPECT_TRUE(statistics()->isVisible());
        EXPECT_FALSE(records() && records()->isVisible());
        EXPECT_EQ(results(), before);

        // Mended, the same statistics window enters the result.
        QDir(folder.path(QString())).rmdir(QStringLiteral("results.tvl"));
        folder.WriteResults({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"},
                            {"9", "8", "7", "6", "5", "4", "3", "2", "1", "-1"});
        names.answers = {QStringLiteral("Снова")};
        Click(statistics(), "VantorButton1");
        EXPECT_EQ(names.asked, 1);
        names.asked = 0;
        EXPECT_FALSE(statistics()->isVisible());
        ASSERT_TRUE(records()->isVisible());
        EXPECT_EQ(Cell("Label2", 9), QStringLiteral("Снова"));
        records()->close();
    }
}

TEST_F(RecordsTest, ATableThatFailsToReloadIsPutAwayUnsaved) {
    Click(&window, "VantorButton1");
    ASSERT_TRUE(records()->isVisible());
    folder.Write(QStringLiteral("results.tvl"), "only\r\nthree\r\nlines\r\n");

    Click(&window, "VantorButton1");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("results.tvl")));
    EXPECT_FALSE(records()->isVisible());
    EXPECT_EQ(results(), "only\r\nthree\r\nlines\r\n");
}

// Files larger than a few bytes cannot be written while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

TEST_F(RecordsTest, ASaveThatFailsIsReportedAndLeavesTheOldFile) {
    folder.WriteResults({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"},
                        {"9", "8", "7", "6", "5", "4", "3", "2", "1", "-1"});
    const std::string before = results();
    EndTheGame();
    names.answers = {QStringLiteral("Новый рекорд")};
    Click(statistics(), "VantorButton1");
    {
        const FileLock held("results.tvl", std::chrono::milliseconds(0));  // another copy's
        Click(records(), "VantorButton1");
    }
    ASSERT_TRUE(records()->isVisible());
    EXPECT_EQ(messages.shown.size(), 1u);
    messages.shown.clear();
    {
        const FileSizeLimit limit(8);
        Click(records(), "VantorButton1");
    }
    EXPECT_FALSE(records()->isVisible());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("results.tvl"))) << messages.shown[0].toStdString();
    EXPECT_EQ(results(), before);
}

}  // namespace
}  // namespace torvel::test
