// The player's yes-or-no questions as Qt message boxes.
#pragma once

#include "windows/question.h"

namespace torvel {

class QtQuestion final : public Question {
public:
    // Titled "Торвель", no icon, Да (the default) and Нет. Closing the box
    // or Escape answers Да: the answer that keeps everything as it was.
    bool Ask(const std::string& text) override;
};

}  // namespace torvel
