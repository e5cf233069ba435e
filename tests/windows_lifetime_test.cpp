// The program's life: it goes on while any of its windows is open, and a data
// file it cannot do without ends it with a message and a failure status.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include "windows/frmtorvel.h"
#include "windows_test_support.h"

namespace torvel::test {
namespace {

// Runs the event loop with `act` as its first event, until the program ends;
// returns its exit status, or 99 when it had not ended after ten seconds.
int RunProgram(const std::function<void()>& act) {
    QCoreApplication::removePostedEvents(qApp, QEvent::Quit);
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    limit.start(10000);
    QTimer::singleShot(0, qApp, act);
    return QApplication::exec();
}

class LifetimeTest : public ::testing::Test {
protected:
    LifetimeTest() : window(messages, names, random) {}

    void SetUp() override {
        ASSERT_TRUE(window.Form_Load());
        window.show();
    }

    GameFolder folder;
    RecordingMessageBox messages;
    ScriptedNameDialog names;
    ScriptedRandom random;
    frmtorvel window;
};

TEST_F(LifetimeTest, ClosingTheMainWindowLeavesTheOtherWindowsWorkingUntilTheLastCloses) {
    folder.WriteResults({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"},
                        {"9", "8", "7", "6", "5", "4", "3", "2", "1", "-1"});
    bool runningWithoutMainWindow = false;
    const int status = RunProgram([&] {
        Click(&window, "VantorButton5");
        QWidget* const statistics = TopLevel("frmtvlstat");
        Click(&window, "cmdexi");
        EXPECT_FALSE(window.isVisible());
        // Let a quit, if one were coming, arrive first.
        QTimer::singleShot(50, qApp, [&, statistics] {
            runningWithoutMainWindow = true;
            EXPECT_TRUE(statistics->isVisible());
            names.answers = {QStringLiteral("Последний")};
            Click(statistics, "VantorButton1");
            QWidget* const records = TopLevel("frmbre");
            EXPECT_TRUE(records->isVisible());
            EXPECT_FALSE(statistics->isVisible());
            QTimer::singleShot(50, qApp, [records] { Click(records, "VantorButton1"); });
        });
    });
    EXPECT_TRUE(runningWithoutMainWindow);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(folder.Read(QStringLiteral("results.tvl")),
              ResultsBytes({"a", "b", "c", "d", "e", "f", "g", "h", "i", "Последний"},
                           {"9", "8", "7", "6", "5", "4", "3", "2", "1", "0"}));
}

TEST_F(LifetimeTest, ClosingTheMainWindowAloneEndsTheProgram) {
    EXPECT_EQ(RunProgram([&] { Click(&window, "VantorButton9"); }), 0);
}

TEST_F(LifetimeTest, CtrlQEndsTheProgramAsExitDoes) {
    const int status = RunProgram([&] {
        // The window's shortcuts work while it is the active window.
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(window.findChild<QWidget*>(QStringLiteral("Text1")), Qt::Key_Q, Qt::ControlModifier);
    });
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(LifetimeTest, CtrlQOnAKeyboardSetToRussianAloneEndsTheProgramToo) {
    const int status = RunProgram([&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        // The key of Q sends Й there.
        QTest::sendKeyEvent(QTest::Click, window.findChild<QWidget*>(QStringLiteral("Text1")),
                            static_cast<Qt::Key>(U'Й'), QStringLiteral("й"), Qt::ControlModifier);
    });
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(window.isVisible());
}

// The other windows wait for their first opening, and every opening after
// it shows the same window again.
TEST_F(LifetimeTest, EachOtherWindowIsBuiltAtItsFirstOpeningAndReusedAfter) {
    const std::pair<const char*, std::function<void()>> openings[] = {
        {"frmtvlstat", [&] { Click(&window, "VantorButton5"); }},
        {"frmreview", [&] { Click(TopLevel("frmtvlstat"), "VantorButton2"); }},
        {"frmbre", [&] { Click(&window, "VantorButton1"); }},
    };
    for (const auto& [name, open] : openings) EXPECT_EQ(TopLevel(name), nullptr) << name;
    for (const auto& [name, open] : openings) {
        open();
        QWidget* const first = TopLevel(name);
        ASSERT_NE(first, nullptr) << name;
        EXPECT_TRUE(first->isVisible()) << name;
        first->close();
        open();
        EXPECT_EQ(TopLevel(name), first) << name;
        EXPECT_TRUE(first->isVisible()) << name;
    }
}

// A tool tip or a menu that shows up just after the last window has closed
// (a press already on its way, the pointer resting on the close button) goes
// again by itself; the program must not run on without a window.
TEST_F(LifetimeTest, AWindowPassingAfterTheLastHasClosedDoesNotKeepTheProgramRunning) {
    QMenu menu;
    menu.addAction(QStringLiteral("Вставить"));
    const std::pair<const char*, std::function<void()>> passing[] = {
        {"a tool tip",
         [] {
             QToolTip::showText(QPoint(420, 5), QStringLiteral("Выход"));
             QTimer::singleShot(50, qApp, [] { QToolTip::hideText(); });
         }},
        {"a menu",
         [&menu] {
             menu.popup(QPoint(100, 150));
             QTimer::singleShot(50, &menu, &QMenu::close);
         }},
    };
    for (const auto& entry : passing) {
        SCOPED_TRACE(entry.first);
        window.show();
        const int status = RunProgram([&] {
            Click(&window, "VantorButton9");
            entry.second();
        });
        EXPECT_EQ(status, 0);
    }
}

// A word base that cannot be used, met by the first step that reads it.
TEST_F(LifetimeTest, AnUnusableWordBaseEndsTheProgramAtItsFirstUse) {
    struct Step {
        const char* what;
        std::function<void(QWidget*)> act;
    };
    const Step steps[] = {
        {"start", [](QWidget* main) { Click(main, "cmdstart"); }},
        // An empty entry has no letters to test and goes straight to the lookup.
        {"entry",
         [](QWidget* main) { QTest::keyClick(main->findChild<QWidget*>(QStringLiteral("Text1")), Qt::Key_Return); }},
        {"pass", [](QWidget* main) { Click(main, "VantorButton6"); }},
    };
    const std::pair<const char*, std::string> bases[] = {{"missing", ""}, {"short", "РАМА\r\nМАМА\r\n"}};
    for (const auto& [baseName, bytes] : bases) {
        for (const Step& step : steps) {
            SCOPED_TRACE(std::string(baseName) + " base, " + step.what);
            if (bytes.empty()) {
                folder.Remove(QStringLiteral("wmbase.txt"));
            } else {
                folder.Write(QStringLiteral("wmbase.txt"), bytes);
            }
            // A fresh window: the word base is read at its first use only.
            frmtorvel fresh(messages, names, random);
            ASSERT_TRUE(fresh.Form_Load());
            fresh.show();
            messages.shown.clear();
            random.numbers = {DrawSourceWord(), ComputerStartsAfter(0)};
            EXPECT_EQ(RunProgram([&] { step.act(&fresh); }), EXIT_FAILURE);
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("wmbase.txt"))) << messages.shown[0].toStdString();
        }
    }
}

TEST_F(LifetimeTest, AnUnusableWordBaseSavesAnOpenTableBeforeTheProgramEnds) {
    folder.WriteResults({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"},
                        {"9", "8", "7", "6", "5", "4", "3", "2", "1", "-1"});
    folder.Remove(QStringLiteral("wmbase.txt"));
    names.answers = {QStringLiteral("Сохранён")};
    const int status = RunProgram([&] {
        Click(&window, "VantorButton5");
        Click(TopLevel("frmtvlstat"), "VantorButton1");
        Click(&window, "cmdstart");
    });
    EXPECT_EQ(status, EXIT_FAILURE);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("wmbase.txt")));
    EXPECT_FALSE(TopLevel("frmbre")->isVisible());
    EXPECT_EQ(folder.Read(QStringLiteral("results.tvl")),
              ResultsBytes({"a", "b", "c", "d", "e", "f", "g", "h", "i", "Сохранён"},
                           {"9", "8", "7", "6", "5", "4", "3", "2", "1", "0"}));
}

TEST_F(LifetimeTest, AnUnusableBackgroundPictureKeepsTheWindowFromShowing) {
    // The shipped picture cut short or with a byte spoiled: Qt would show the
    // part it could decode.
    const std::string whole = folder.Read(QStringLiteral("fontvl.gif"));
    const std::size_t middle = whole.size() / 2;
    std::string spoiledCodes = whole;
    spoiledCodes[middle] = static_cast<char>(~spoiledCodes[middle]);
    std::string spoiledBlock = whole;
    spoiledBlock[13 + 768] = '\0';  // the image block after the colour table
    const std::pair<std::string, std::string> pictures[] = {
        {"missing", ""},
        {"not a picture", "GIF89a broken"},
        {"header only", whole.substr(0, 13)},
        {"cut in the colour table", whole.substr(0, 400)},
        {"cut after 3000 bytes", whole.substr(0, 3000)},
        {"cut in the middle", whole.substr(0, middle)},
        {"trailer missing", whole.substr(0, whole.size() - 1)},
        {"spoiled code in the middle", spoiledCodes},
        {"spoiled block", spoiledBlock},
    };
    for (const auto& [what, bytes] : pictures) {
        SCOPED_TRACE(what);
        if (bytes.empty()) {
            folder.Remove(QStringLiteral("fontvl.gif"));
        } else {
            folder.Write(QStringLiteral("fontvl.gif"), bytes);
        }
        messages.shown.clear();
        frmtorvel fresh(messages, names, random);
        EXPECT_FALSE(fresh.Form_Load());
        EXPECT_FALSE(fresh.isVisible());
        ASSERT_EQ(messages.shown.size(), 1u);
        if (bytes.empty()) {
            EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("fontvl.gif"))) << messages.shown[0].toStdString();
        } else {
            EXPECT_EQ(messages.shown[0], QStringLiteral("Файл fontvl.gif: не является рисунком GIF или повреждён"));
        }
    }
}

TEST_F(LifetimeTest, LoadingAgainReadsThePictureAsItIsNow) {
    folder.Remove(QStringLiteral("fontvl.gif"));
    EXPECT_FALSE(window.Form_Load());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("fontvl.gif"))) << messages.shown[0].toStdString();
}

}  // namespace
}  // namespace torvel::test
