// Asking the player for the name to put beside a new best result.
#pragma once

#include <string>

namespace torvel {

class NameDialog {
public:
    virtual ~NameDialog() = default;

    // A modal question; the text as typed (in Windows-1251, as the table of
    // best results keeps it; possibly empty), or an empty text when the
    // player cancels.
    virtual std::string Ask() = 0;
};

}  // namespace torvel
