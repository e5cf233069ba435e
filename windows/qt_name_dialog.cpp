// The name question as a Qt input dialog.
#include "windows/qt_name_dialog.h"

#include <QInputDialog>

#include "windows/cp1251_text.h"

namespace torvel {

std::string QtNameDialog::Ask() {
    QInputDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Торвель"));
    dialog.setLabelText(QStringLiteral("Ваше имя"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(QString());
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted) return {};
    return ToCp1251(dialog.textValue());
}

}  // namespace torvel
