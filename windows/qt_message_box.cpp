// The player's messages as Qt message boxes.
#include "windows/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

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

}  // namespace torvel
