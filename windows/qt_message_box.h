// The player's messages and yes-or-no questions as Qt message boxes.
#pragma once

#include "windows/message_box.h"

namespace torvel {

class QtMessageBox final : public MessageBox {
public:
    // Titled "Торвель", one OK button, no icon.
    void Show(const std::string& text) override;

    // Titled "Торвель", no icon, Да (the default) and Нет. Closing the box
    // or Escape answers Да: the answer that keeps everything as it was.
    bool Ask(const std::string& question) override;
};

}  // namespace torvel
