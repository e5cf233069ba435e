// The mouse pointer as the button polls it, and mouse capture.
#pragma once

namespace torvel {

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

class PointerDevice {
public:
    virtual ~PointerDevice() = default;

    // The pointer's position in screen coordinates.
    virtual ScreenPoint CursorPos() const = 0;
    // Whether the window under `point` is the button's own surface.
    virtual bool IsSurfaceAt(ScreenPoint point) const = 0;
    // Send all further mouse input to the surface until the button is released.
    virtual void Capture() = 0;
};

}  // namespace torvel
