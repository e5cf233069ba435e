// The review's list of words, each length's words under a caption.
#pragma once

#include <QListWidget>

namespace torvel {

// Rows of two kinds: captions, which cannot be chosen (their flags hold no
// Qt::ItemIsEnabled), and words. The keyboard moves from word to word and
// steps over the captions. To assistive technology a caption is a heading
// and a word an item of the list, so that a screen reader counts the words
// alone; a row's name and description are its Qt::AccessibleTextRole and
// Qt::AccessibleDescriptionRole, and no row offers an action of its own. The
// word the keyboard is on is framed, never filled.
class ReviewList final : public QListWidget {
    Q_OBJECT
public:
    explicit ReviewList(QWidget* parent = nullptr);

    static bool IsCaption(const QListWidgetItem* item);

    // Makes the word at `row`, or the first word after it, the current row.
    void SetCurrentWord(int row);

    // A length's first word is shown with its caption above it.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace torvel
