// Pasting and dropping into every text field of the program, whatever the
// clipboard or the drop holds: nothing breaks, only plain text arrives, and a
// pasted word list still shows the game's own words once the game moves on.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>

#include "windows/frmtorvel.h"
#include "windows/plain_text_field.h"
#include "windows/qt_name_dialog.h"
#include "windows_test_support.h"

namespace torvel::test {
namespace {

const QString kHuge(kMaxPastedLength + 100, QChar(u'Я'));

// What the clipboard or a drop offers, and what a field shows after taking it
// into an empty field (nullopt: no more than a field's own limit of kHuge).
struct Offer {
    const char* name;
    std::function<QMimeData*()> make;
    std::optional<QString> arrives;
};

const Offer kOffers[] = {
    {"nothing", [] { return nullptr; }, QString()},
    {"no forms at all", [] { return new QMimeData; }, QString()},
    {"markup only",
     [] {
         auto* data = new QMimeData;
         data->setHtml(QStringLiteral("<b>РАМА</b>"));
         return data;
     },
     QString()},
    {"a picture only",
     [] {
         auto* data = new QMimeData;
         data->setImageData(QImage(2, 2, QImage::Format_RGB32));
         return data;
     },
     QString()},
    {"plain text",
     [] {
         auto* data = new QMimeData;
         data->setText(QStringLiteral("рама"));
         return data;
     },
     QStringLiteral("рама")},
    {"huge text",
     [] {
         auto* data = new QMimeData;
         data->setText(kHuge);
         return data;
     },
     std::nullopt},
};

QString Text(QWidget* field) {
    if (auto* line = qobject_cast<QLineEdit*>(field)) return line->text();
    return qobject_cast<QPlainTextEdit*>(field)->toPlainText();
}

// The most a field takes in at once.
qsizetype Limit(QWidget* field) {
    if (auto* line = qobject_cast<QLineEdit*>(field)) return line->maxLength();
    return kMaxPastedLength;
}

void Clear(QWidget* field) {
    if (auto* line = qobject_cast<QLineEdit*>(field)) return line->clear();
    qobject_cast<QPlainTextEdit*>(field)->clear();
}

void Offered(const Offer& offer) { QApplication::clipboard()->setMimeData(offer.make()); }

// The ways a player pastes or drops into a field.
struct Way {
    const char* name;
    std::function<void(QWidget* field, const Offer& offer)> paste;
};

const Way kWays[] = {
    {"Ctrl+V",
     [](QWidget* field, const Offer& offer) {
         Offered(offer);
         QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
     }},
    {"Shift+Insert",
     [](QWidget* field, const Offer& offer) {
         Offered(offer);
         QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
     }},
    // The menu is made while the clipboard holds text, so its "Paste" is on;
    // by the time it is chosen the clipboard has changed.
    {"the context menu",
     [](QWidget* field, const Offer& offer) {
         QApplication::clipboard()->setText(QStringLiteral("слово"));
         std::unique_ptr<QMenu> menu;
         if (auto* line = qobject_cast<QLineEdit*>(field)) {
             menu.reset(line->createStandardContextMenu());
         } else {
             menu.reset(qobject_cast<QPlainTextEdit*>(field)->createStandardContextMenu());
         }
         // Found by the key its text names, in whatever language Qt speaks.
         const QString key = QLatin1Char('\t') + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
         const QList<QAction*> actions = menu->actions();
         const auto paste = std::find_if(actions.begin(), actions.end(),
                                         [&key](const QAction* action) { return action->text().endsWith(key); });
         ASSERT_NE(paste, actions.end());
         ASSERT_TRUE((*paste)->isEnabled());
         Offered(offer);
         (*paste)->trigger();
     }},
    // The platform always sends a drag with its data, so "nothing" is left out.
    {"a drop",
     [](QWidget* field, const Offer& offer) {
         std::unique_ptr<QMimeData> data(offer.make());
         if (data == nullptr) return;
         auto* area = qobject_cast<QAbstractScrollArea*>(field);
         QWidget* const target = area != nullptr ? area->viewport() : field;
         QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
         QCoreApplication::sendEvent(target, &enter);
         if (!enter.isAccepted()) return;
         QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
         QCoreApplication::sendEvent(target, &drop);
     }},
};

void PasteEveryWay(QWidget* field) {
    SCOPED_TRACE(field->objectName().toStdString());
    for (const Way& way : kWays) {
        for (const Offer& offer : kOffers) {
            SCOPED_TRACE(std::string(way.name) + ", " + offer.name);
            Clear(field);
            way.paste(field, offer);
            const QString shown = Text(field);
            if (offer.arrives) {
                EXPECT_EQ(shown, *offer.arrives);
            } else {
                EXPECT_FALSE(shown.isEmpty());
                EXPECT_LE(shown.size(), Limit(field));
                EXPECT_TRUE(kHuge.startsWith(shown));
            }
        }
    }
    Clear(field);
}

// Every editable text field of the program's windows, whichever window has it.
std::vector<QWidget*> TextFields() {
    std::vector<QWidget*> fields;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (QLineEdit* line : window->findChildren<QLineEdit*>()) fields.push_back(line);
        for (QPlainTextEdit* text : window->findChildren<QPlainTextEdit*>()) fields.push_back(text);
    }
    return fields;
}

TEST(PasteTest, EveryTextFieldTakesAnyClipboardAndAnyDrop) {
    GameFolder folder;
    RecordingMessageBox messages;
    ScriptedNameDialog names;
    ScriptedRandom random;
    frmtorvel window(messages, names, random);
    ASSERT_TRUE(window.Form_Load());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const std::vector<QWidget*> fields = TextFields();
    ASSERT_GE(fields.size(), 3U);  // the entry field and the two word lists
    for (QWidget* field : fields) PasteEveryWay(field);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(PasteTest, TheNameFieldTakesAnyClipboard) {
    QtNameDialog dialog;
    bool pasted = false;
    std::function<void()> whenOpen = [&] {
        QWidget* const modal = QApplication::activeModalWidget();
        if (modal == nullptr) return QTimer::singleShot(10, whenOpen);
        PasteEveryWay(modal->findChild<QLineEdit*>());
        pasted = true;
        modal->close();
    };
    QTimer::singleShot(0, whenOpen);
    EXPECT_EQ(dialog.Ask(), std::string());
    EXPECT_TRUE(pasted);
}

TEST(PasteTest, PastedTextInAWordListGoesWithTheGamesNextMove) {
    GameFolder folder;
    RecordingMessageBox messages;
    ScriptedNameDialog names;
    ScriptedRandom random;
    random.numbers = {DrawSourceWord(), ComputerStartsAfter(0), ComputerStartsAfter(0)};
    frmtorvel window(messages, names, random);
    ASSERT_TRUE(window.Form_Load());
    window.show();
    Click(&window, "cmdstart");

    auto* const list = window.findChild<QPlainTextEdit*>(QStringLiteral("Text2"));
    QApplication::clipboard()->setText(QStringLiteral("ПАРОМ\nГРАММ"));
    QTest::keyClick(list, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(list->toPlainText(), QStringLiteral("ПАРОМ\nГРАММ"));

    auto* const entry = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    Type(entry, QStringLiteral("мама"));
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_EQ(list->toPlainText(), QStringLiteral("МАМА\n"));
    // The pasted words were never played: ПАРОМ is still the player's to make.
    Type(entry, QStringLiteral("паром"));
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_EQ(list->toPlainText(), QStringLiteral("ПАРОМ\nМАМА\n"));
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace torvel::test
