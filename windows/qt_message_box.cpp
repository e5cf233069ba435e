// The player's messages as Qt message boxes.
#include "windows/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace torvel {

void QtMessageBox::Show(const std::string& text) {
    // Centred over the window the player is looking at, if there is one.
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Торвель"), QString::fromStdString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

}  // namespace torvel
