// Asking the player a question that is answered yes or no.
#pragma once

#include <string>

namespace torvel {

class Question {
public:
    virtual ~Question() = default;

    // A modal question (UTF-8) with the program's title and the buttons Да,
    // the default, and Нет; true for Да.
    virtual bool Ask(const std::string& text) = 0;
};

}  // namespace torvel
