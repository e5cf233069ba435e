// A column of played words in the main window.
#include "windows/word_list.h"

#include <QScrollBar>

#include "windows/cp1251_text.h"

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

}  // namespace torvel
