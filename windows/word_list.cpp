// A column of played words in the main window.
#include "windows/word_list.h"

#include <QScrollBar>

namespace torvel {

WordList::WordList(QWidget* parent) : PlainTextField(parent) {
    setFocusPolicy(Qt::ClickFocus);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The scroll bar would otherwise join the Tab order on its own.
    verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
}

void WordList::ShowList(std::string_view utf8) {
    QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(text);
}

}  // namespace torvel
