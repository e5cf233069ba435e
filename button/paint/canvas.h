// The painter's three drawing calls on a surface, with system colours.
#pragma once

#include "button/paint/colour.h"
#include "button/paint/surface.h"
#include "button/paint/system_palette.h"

namespace torvel {

// What every painting step draws with: the surface and the palette that
// resolves system colours. W and H are the surface's size.
class Canvas {
public:
    Canvas(Surface& surface, const SystemPalette& palette) : m_surface(surface), m_palette(palette) {}

    Surface& surface() const { return m_surface; }
    int width() const { return m_surface.width(); }
    int height() const { return m_surface.height(); }

    Colour Resolve(Colour value) const { return m_palette.Resolve(value); }
    Colour System(int index) const { return m_palette.colour(index); }

    // Fills the rectangle, or frames it (its one-pixel border), in the
    // resolved colour.
    enum class Mode { Frame, Fill };
    void DrawRect(int left, int top, int right, int bottom, Colour colour, Mode mode) const;

    // A one-pixel line from (x1, y1) to (x2, y2) without its end point, in a
    // plain colour taken as it is (no system-colour lookup).
    void DrawLine(int x1, int y1, int x2, int y2, Colour plain) const;

    void SetPixel(int x, int y, Colour plain) const { m_surface.SetPixel(x, y, plain); }

private:
    Surface& m_surface;
    const SystemPalette& m_palette;
};

}  // namespace torvel
