// The main window's entry field: capitals as the player types, Enter submits.
#include "windows/entry_field.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include "common/cp1251.h"

namespace torvel {

QString CapitalsThroughCp1251(const QString& text) {
    QList<uint> codes = text.toUcs4();
    for (uint& code : codes) code = static_cast<uint>(UpperThroughCp1251(static_cast<char32_t>(code)));
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(codes.constData()), codes.size());
}

EntryField::EntryField(QWidget* parent) : QLineEdit(parent) {}

void EntryField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    const QString capitals = CapitalsThroughCp1251(event->text());
    if (capitals == event->text()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Only the character changes: the key, its modifiers and the native codes
    // stay, so shortcuts and editing keys work as before.
    QKeyEvent typed(event->type(), event->key(), event->modifiers(), event->nativeScanCode(), event->nativeVirtualKey(),
                    event->nativeModifiers(), capitals, event->isAutoRepeat(), static_cast<quint16>(event->count()),
                    event->device());
    QLineEdit::keyPressEvent(&typed);
    event->setAccepted(typed.isAccepted());
}

void EntryField::inputMethodEvent(QInputMethodEvent* event) {
    // Text composed through an input method is typed too; only its committed
    // part reaches the field.
    const QString capitals = CapitalsThroughCp1251(event->commitString());
    if (capitals == event->commitString()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent typed(event->preeditString(), event->attributes());
    typed.setCommitString(capitals, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&typed);
}

}  // namespace torvel
