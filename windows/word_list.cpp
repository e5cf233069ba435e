// A column of played words in the main window.
#include "windows/word_list.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>

#include "windows/cp1251_text.h"
#include "windows/word_lookup.h"

namespace torvel {

WordList::WordList(QWidget* parent) : PlainTextField(parent) {
    setFocusPolicy(Qt::ClickFocus);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The scroll bar would otherwise join the Tab order on its own.
    verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
}

void WordList::ShowList(const std::vector<std::string>& words) {
    QString text;
    for (auto word = words.rbegin(); word != words.rend(); ++word) text += FromCp1251(*word) + QLatin1Char('\n');
    setPlainText(text);
}

QString WordList::WordAt(const QPoint& point) const {
    const QTextCursor cursor = cursorForPosition(point);
    const QTextBlock line = cursor.block();
    // Below the last line the nearest place is still on it.
    if (!blockBoundingGeometry(line).translated(contentOffset()).contains(point)) return {};
    const QString text = line.text();
    qsizetype start = cursor.positionInBlock();
    qsizetype end = start;
    while (start > 0 && !text.at(start - 1).isSpace()) --start;
    while (end < text.size() && !text.at(end).isSpace()) ++end;
    const QString word = text.mid(start, end - start);
    return CanLookUp(word) ? word : QString();
}

void WordList::contextMenuEvent(QContextMenuEvent* event) {
    const bool keyboard = event->reason() == QContextMenuEvent::Keyboard;
    const QPoint at = keyboard ? cursorRect().center() : event->pos();
    QMenu* const menu = createStandardContextMenu(at);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString word = WordAt(at);
    if (!word.isEmpty()) AddLookUpItem(menu, word, [this, word] { emit lookUpRequested(word); });
    menu->popup(keyboard ? viewport()->mapToGlobal(at) : event->globalPos());
}

}  // namespace torvel
