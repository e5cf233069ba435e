// The nine events a button raises to its window.
#pragma once

#include <cstdint>

namespace torvel {

// Arguments are passed by reference. Where the button passes its own record
// of the last press (MouseOut, and MouseDown of a double click), a value a
// handler writes changes that record; elsewhere written values are not used.
class ButtonEvents {
public:
    virtual ~ButtonEvents() = default;

    virtual void Click() = 0;
    virtual void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) = 0;
    virtual void KeyPress(std::int16_t& KeyAscii) = 0;
    virtual void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) = 0;
    virtual void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) = 0;
    virtual void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) = 0;
    virtual void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) = 0;
    virtual void MouseIn(std::int16_t& Shift) = 0;
    virtual void MouseOut(std::int16_t& Shift) = 0;
};

}  // namespace torvel
