// The painter's three drawing calls on a surface, with system colours.
#include "button/paint/canvas.h"

namespace torvel {

void Canvas::DrawRect(int left, int top, int right, int bottom, Colour colour, Mode mode) const {
    const Rect rect{left, top, right, bottom};
    if (mode == Mode::Fill) {
        m_surface.FillRect(rect, Resolve(colour));
    } else {
        m_surface.FrameRect(rect, Resolve(colour));
    }
}

void Canvas::DrawLine(int x1, int y1, int x2, int y2, Colour plain) const {
    m_surface.MoveTo(x1, y1);
    m_surface.LineTo(x2, y2, plain);
}

}  // namespace torvel
