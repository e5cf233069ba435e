// The main window's entry field: capitals as the player types, the keyboard's
// slips corrected, Enter submits.
#include "windows/entry_field.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <utility>

namespace torvel {

EntryField::EntryField(QWidget* parent) : QLineEdit(parent) {}

void EntryField::SetTypingRules(std::function<TypingRules()> rules) { m_rules = std::move(rules); }

QString EntryField::Typed(const QString& text) const {
    const TypingRules rules = m_rules ? m_rules() : TypingRules{};
    QList<uint> codes = text.toUcs4();
    for (uint& code : codes) code = static_cast<uint>(TypedCharacter(static_cast<char32_t>(code), rules));
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(codes.constData()), codes.size());
}

void EntryField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    const QString typed = Typed(event->text());
    if (typed == event->text()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Only the character changes: the key, its modifiers and the native codes
    // stay, so shortcuts and editing keys work as before.
    QKeyEvent corrected(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                        event->nativeVirtualKey(), event->nativeModifiers(), typed, event->isAutoRepeat(),
                        static_cast<quint16>(event->count()), event->device());
    QLineEdit::keyPressEvent(&corrected);
    event->setAccepted(corrected.isAccepted());
}

void EntryField::inputMethodEvent(QInputMethodEvent* event) {
    // Text composed through an input method is typed too; only its committed
    // part reaches the field.
    const QString typed = Typed(event->commitString());
    if (typed == event->commitString()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent corrected(event->preeditString(), event->attributes());
    corrected.setCommitString(typed, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&corrected);
}

}  // namespace torvel
