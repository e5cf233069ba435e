// Where the windows send their messages to the player, and ask their yes-or-no
// questions: a Qt message box, or a test double.
#pragma once

#include <string>

namespace torvel {

class MessageBox {
public:
    virtual ~MessageBox() = default;

    // A modal message (UTF-8) with the program's title and a single OK
    // button; returns when the player has closed it.
    virtual void Show(const std::string& text) = 0;

    // A modal question (UTF-8) with the program's title and the buttons Да,
    // the default, and Нет; true for Да.
    virtual bool Ask(const std::string& question) = 0;
};

}  // namespace torvel
