// A multi-line field of plain text that takes whatever the clipboard, the
// primary selection or a drop holds without harm.
#include "windows/plain_text_field.h"

#include <QMimeData>

namespace torvel {

QString PastableText(const QMimeData* source) {
    if (source == nullptr || !source->hasText()) return {};
    QString text = source->text();
    if (text.size() > kMaxPastedLength) {
        const bool splitsPair = text.at(kMaxPastedLength - 1).isHighSurrogate();
        text.truncate(splitsPair ? kMaxPastedLength - 1 : kMaxPastedLength);
    }
    return text;
}

PlainTextField::PlainTextField(QWidget* parent) : QPlainTextEdit(parent) {}

bool PlainTextField::canInsertFromMimeData(const QMimeData* source) const {
    return !PastableText(source).isEmpty();
}

void PlainTextField::insertFromMimeData(const QMimeData* source) {
    // Qt 6.4 reads the first of the offered forms without looking whether
    // there is one, and an X clipboard that nobody owns offers none: the
    // field gets a copy of its own that always has exactly one form.
    const QString text = PastableText(source);
    if (text.isEmpty()) return;
    QMimeData plain;
    plain.setText(text);
    QPlainTextEdit::insertFromMimeData(&plain);
}

}  // namespace torvel
