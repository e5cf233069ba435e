// The player's messages and yes-or-no questions as Qt message boxes.
#include "windows/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace torvel {

void QtMessageBox::Show(const std::string& text) {
    // Centred over the window the player is looking at, if there is one.
    const QPointer<QWidget> over = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Торвель"), QString::fromStdString(text), QMessageBox::Ok,
                    over);
    box.exec();
    // That window takes the keyboard back, whatever the window system chose
    // when the box went.
    if (over && over->isVisible()) over->activateWindow();
}

bool QtMessageBox::Ask(const std::string& question) {
    const QPointer<QWidget> over = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Торвель"), QString::fromStdString(question),
                    QMessageBox::NoButton, over);
    QPushButton* const yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(yes);
    box.exec();
    if (over && over->isVisible()) over->activateWindow();
    return box.clickedButton() == yes;
}

}  // namespace torvel
