// A column of played words in the main window.
#pragma once

#include <string>
#include <vector>

#include "windows/plain_text_field.h"

namespace torvel {

// An ordinary editable multi-line field with a vertical scroll bar. It is left
// out of the Tab order but takes the focus from the mouse; editing it changes
// only what it shows.
class WordList final : public PlainTextField {
    Q_OBJECT
public:
    explicit WordList(QWidget* parent = nullptr);

    // Shows the words (Windows-1251, in the order played) newest on top, each
    // on a line of its own.
    void ShowList(const std::vector<std::string>& words);
};

}  // namespace torvel
