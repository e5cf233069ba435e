// Where the windows send their messages to the player.
#pragma once

#include <QString>

namespace torvel {

class MessageBox {
public:
    virtual ~MessageBox() = default;

    // A modal message with the program's title and a single OK button;
    // returns when the player has closed it.
    virtual void Show(const QString& text) = 0;
};

}  // namespace torvel
