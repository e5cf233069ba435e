// The windows as assistive technology and a Russian-speaking player meet
// them: every button a named push button that can be pressed, named fields
// and lists, announced changes of the game's values, and Qt's own dialogs in
// Russian.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "windows/frmtorvel.h"
#include "windows/qt_message_box.h"
#include "windows/qt_name_dialog.h"
#include "windows/qt_translations.h"
#include "windows_test_support.h"

namespace torvel::test {
namespace {

class AccessibilityTest : public ::testing::Test {
protected:
    AccessibilityTest() : window(messages, names, random) {}

    void SetUp() override {
        ASSERT_TRUE(window.Form_Load());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QAccessibleInterface* Accessible(const char* name) const {
        QWidget* const widget = window.findChild<QWidget*>(QString::fromLatin1(name));
        return widget == nullptr ? nullptr : QAccessible::queryAccessibleInterface(widget);
    }

    GameFolder folder;
    RecordingMessageBox messages;
    ScriptedNameDialog names;
    ScriptedRandom random;
    frmtorvel window;
};

TEST_F(AccessibilityTest, EveryButtonIsANamedPushButtonWithAPressAction) {
    const std::pair<const char*, const char*> buttons[] = {
        {"VantorButton4", "OK"},         {"VantorButton6", "Пропустить ход"},   {"VantorButton5", "Закончить игру"},
        {"cmdstart", "Старт"},           {"cmdhel", "Справка"},                 {"cmdexi", "Выход"},
        {"VantorButton1", "Таблица рекордов"}, {"VantorButton8", "Свернуть"}, {"VantorButton9", "Выход"},
    };
    const QString press = QAccessibleActionInterface::pressAction();
    for (const auto& [name, expected] : buttons) {
        QAccessibleInterface* const button = Accessible(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->role(), QAccessible::PushButton) << name;
        EXPECT_EQ(button->text(QAccessible::Name), QString::fromUtf8(expected)) << name;
        EXPECT_TRUE(button->actionInterface()->actionNames().contains(press)) << name;
    }
    Accessible("cmdhel")->actionInterface()->doAction(press);
    EXPECT_EQ(messages.shown.size(), 1u) << "pressing Справка shows the help";

    QWidget* const start = window.findChild<QWidget*>(QStringLiteral("cmdstart"));
    QAccessibleInterface* const accessible = QAccessible::queryAccessibleInterface(start);
    start->setFocus();
    EXPECT_TRUE(accessible->state().focused);
    start->setEnabled(false);
    EXPECT_TRUE(accessible->state().disabled);
    EXPECT_FALSE(accessible->actionInterface()->actionNames().contains(press));
    accessible->actionInterface()->doAction(press);
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QString()) << "a disabled button was pressed";
}

// The announcements themselves reach only a platform with a screen-reader
// bridge; the real-window test hears them. Here: what each one says.
TEST_F(AccessibilityTest, FieldsListsAndTheGamesValuesAreNamed) {
    random.numbers = {DrawSourceWord(), ComputerStartsAfter(0)};
    Click(&window, "cmdstart");
    Type(window.findChild<QWidget*>(QStringLiteral("Text1")), QStringLiteral("мама"));
    Click(&window, "VantorButton4");

    const std::pair<const char*, const char*> named[] = {
        {"Text1", "Ваше слово"},
        {"Text2", "Ваши слова"},
        {"Text3", "Слова компьютера"},
        {"Label1", "Исходное слово: ПРОГРАММА"},
        {"Label2", "Ваша сумма букв: 4"},
        {"Label3", "Сумма букв компьютера: 4"},
        {"Label7", "Слово компьютера: РАМА"},
    };
    for (const auto& [name, expected] : named) {
        ASSERT_NE(Accessible(name), nullptr) << name;
        EXPECT_EQ(Accessible(name)->text(QAccessible::Name), QString::fromUtf8(expected)) << name;
    }
}

// Runs `answer` on the first modal dialog once it is open.
void WhenADialogOpens(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, qApp, [answer = std::move(answer)] {
        QWidget* const dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        answer(dialog);
    });
}

// The dialog's buttons from left to right, as the player sees them.
std::vector<QAbstractButton*> ButtonsInRow(QWidget* dialog) {
    std::vector<QAbstractButton*> buttons;
    for (QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons()) buttons.push_back(button);
    std::sort(buttons.begin(), buttons.end(), [](QAbstractButton* a, QAbstractButton* b) { return a->x() < b->x(); });
    return buttons;
}

TEST(QtDialogs, SpeakRussianAndMessagesKeepOneButtonWithoutAnIcon) {
    const auto russian = InstallQtRussian();
    ASSERT_NE(russian, nullptr) << "Qt's Russian translation is not installed";

    std::vector<QString> captions;
    WhenADialogOpens([&](QWidget* dialog) {
        for (QAbstractButton* button : ButtonsInRow(dialog)) captions.push_back(button->text().remove(QLatin1Char('&')));
        ButtonsInRow(dialog).back()->click();
    });
    EXPECT_EQ(QtNameDialog().Ask(), std::string());
    ASSERT_EQ(captions.size(), 2u);
    EXPECT_EQ(captions[1], QStringLiteral("Отмена"));

    std::size_t boxButtons = 0;
    QMessageBox::Icon icon = QMessageBox::Warning;
    WhenADialogOpens([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        boxButtons = box->buttons().size();
        icon = box->icon();
        box->buttons().front()->click();
    });
    QtMessageBox().Show("Уже было.");
    EXPECT_EQ(boxButtons, 1u);
    EXPECT_EQ(icon, QMessageBox::NoIcon);

    // The question: Enter answers Да, the default; Нет is its other button.
    for (const bool enter : {true, false}) {
        captions.clear();
        WhenADialogOpens([&](QWidget* dialog) {
            for (QAbstractButton* button : ButtonsInRow(dialog)) captions.push_back(button->text());
            enter ? QTest::keyClick(dialog, Qt::Key_Return) : ButtonsInRow(dialog).back()->click();
        });
        EXPECT_EQ(QtMessageBox().Ask("Продолжить прошлую партию?"), enter);
        EXPECT_EQ(captions, (std::vector<QString>{QStringLiteral("Да"), QStringLiteral("Нет")}));
    }
}

}  // namespace
}  // namespace torvel::test
