// Asking the player for the name to put beside a new best result.
#pragma once

#include <QString>

namespace torvel {

class NameDialog {
public:
    virtual ~NameDialog() = default;

    // A modal question; the text as typed (possibly empty), or an empty text
    // when the player cancels.
    virtual QString Ask() = 0;
};

}  // namespace torvel
