// How the button's pixels meet a screen's device pixels: each pixel of the
// button becomes a whole block of device pixels, and the blocks tile the
// device without gaps or overlaps.
#pragma once

#include "button/paint/rect.h"
#include "button/paint/surface.h"

namespace torvel {

// At a device pixel ratio r, the edge e of the button's pixels (0 at its left
// or top side) lies on the device edge round(origin + e * r) - round(origin),
// halves rounded up, where origin is where the button's own (0, 0) falls on
// the device in device pixels, fractions kept. That is the rule by which Qt
// gives a widget its device pixels, so the blocks meet the widget's device
// area exactly. Pixel e then gets round(origin + (e + 1) * r) -
// round(origin + e * r) device pixels: at a fractional ratio the blocks are
// floor(r) or ceil(r) wide, never empty, spread as evenly as rounding allows
// (at 1.5: 1, 2, 1, 2 or 2, 1, 2, 1 by the origin's fraction). Ratios below 1
// count as 1.
class DeviceGrid {
public:
    // One device pixel to each pixel.
    DeviceGrid() = default;
    DeviceGrid(double ratio, double originX, double originY);

    double ratio() const { return m_ratio; }
    bool isIdentity() const { return m_ratio == 1.0; }

    // The device edge of the button's pixel edge, relative to the device
    // edge of the button's own (0, 0).
    int X(int x) const { return Edge(m_originX, x); }
    int Y(int y) const { return Edge(m_originY, y); }
    Point Map(Point p) const { return {X(p.x), Y(p.y)}; }
    Rect Map(const Rect& r) const { return {X(r.left), Y(r.top), X(r.right), Y(r.bottom)}; }

    friend bool operator==(const DeviceGrid&, const DeviceGrid&) = default;

private:
    int Edge(double origin, int e) const;

    double m_ratio = 1.0;
    double m_originX = 0.0;
    double m_originY = 0.0;
};

// `source` at the grid's ratio: every pixel repeated over its whole block.
// The result is grid.X(width) x grid.Y(height) device pixels.
Surface ScaleByBlocks(const Surface& source, const DeviceGrid& grid);

}  // namespace torvel
