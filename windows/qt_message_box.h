// The player's messages as Qt message boxes.
#pragma once

#include "windows/message_box.h"

namespace torvel {

class QtMessageBox final : public MessageBox {
public:
    // Titled "Торвель", one OK button, no icon.
    void Show(const std::string& text) override;
};

}  // namespace torvel
