// A column of played words in the main window.
#pragma once

#include <string>
#include <vector>

#include "windows/plain_text_field.h"

namespace torvel {

// An ordinary editable multi-line field with a vertical scroll bar. It is left
// out of the Tab order but takes the focus from the mouse; editing it changes
// only what it shows. Its context menu asks, first of all, what the word
// under the pointer means (or the word at the cursor, when the menu is opened
// from the keyboard).
class WordList final : public PlainTextField {
    Q_OBJECT
public:
    explicit WordList(QWidget* parent = nullptr);

    // Shows the words (Windows-1251, in the order played) newest on top, each
    // on a line of its own.
    void ShowList(const std::vector<std::string>& words);

    // The word at a point of the viewport: the text between blanks on the
    // line there, if it can be a word; empty below the last line.
    QString WordAt(const QPoint& point) const;

signals:
    void lookUpRequested(const QString& word);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace torvel
