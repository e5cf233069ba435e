// A multi-line field of plain text that takes whatever the clipboard, the
// primary selection or a drop holds without harm.
#pragma once

#include <QPlainTextEdit>

class QMimeData;

namespace torvel {

// Every paste into the field (keys, its context menu, the middle button) and
// every drop passes through here. Only the plain-text form is taken, and at
// most kMaxPastedLength characters of it.
class PlainTextField : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit PlainTextField(QWidget* parent = nullptr);

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

// Far beyond any list of words, and laid out at once: one unbroken run of 64 K
// letters would hold the window up for a second, and the time grows faster
// than the length.
inline constexpr qsizetype kMaxPastedLength = 16384;

// The text a field takes from `source`: empty when there is no source or no
// plain-text form; cut to kMaxPastedLength characters, never inside a pair of
// surrogates.
QString PastableText(const QMimeData* source);

}  // namespace torvel
