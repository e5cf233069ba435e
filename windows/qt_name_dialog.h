// The name question as a Qt input dialog.
#pragma once

#include "windows/name_dialog.h"

namespace torvel {

class QtNameDialog final : public NameDialog {
public:
    // "Ваше имя" in a dialog titled "Торвель", with an empty field, OK and
    // Cancel; every window of the program waits until it is answered.
    std::string Ask() override;
};

}  // namespace torvel
