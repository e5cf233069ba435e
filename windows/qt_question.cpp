// The player's yes-or-no questions as Qt message boxes.
#include "windows/qt_question.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace torvel {

bool QtQuestion::Ask(const std::string& text) {
    const QPointer<QWidget> over = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Торвель"), QString::fromStdString(text), QMessageBox::NoButton,
                    over);
    QPushButton* const yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(yes);
    box.exec();
    if (over && over->isVisible()) over->activateWindow();
    return box.clickedButton() == yes;
}

}  // namespace torvel
