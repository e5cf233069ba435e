// A pixel surface of plain colours and the basic drawing primitives on it.
#pragma once

#include <cstdint>
#include <vector>

#include "button/paint/colour.h"
#include "button/paint/rect.h"

namespace torvel {

// Pixels are plain colours 0x00BBGGRR, row by row from the top. Every
// primitive clips to the surface; none of them resolves system colours (the
// callers pass plain colours).
class Surface {
public:
    // The largest surface made; a larger request fails like an allocation
    // the window system refuses.
    static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 24;

    Surface() = default;

    // A new surface starts black. A size that is not positive or is larger
    // than kMaxPixels gives an empty surface on which every primitive does
    // nothing.
    Surface(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool empty() const { return m_width == 0; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    Colour pixel(int x, int y) const { return m_pixels[Index(x, y)]; }
    const Colour* row(int y) const { return &m_pixels[Index(0, y)]; }
    Colour* row(int y) { return &m_pixels[Index(0, y)]; }

    // One pixel; nothing outside the surface.
    void SetPixel(int x, int y, Colour colour);

    // Blends `colour` over a pixel with the given coverage (0 leaves the
    // pixel, 255 replaces it); used by text drawing.
    void BlendPixel(int x, int y, Colour colour, int coverage);

    // Every pixel of the rectangle, right and bottom exclusive.
    void FillRect(const Rect& rect, Colour colour);

    // The one-pixel border: column left, column right - 1, row top and row
    // bottom - 1, within the rectangle. An empty rectangle draws nothing.
    void FrameRect(const Rect& rect, Colour colour);

    // The current position for LineTo.
    void MoveTo(int x, int y);
    Point currentPosition() const { return m_position; }

    // A one-pixel line from the current position to (x, y), the end point
    // excluded; the current position moves to (x, y). Horizontal and vertical
    // lines cover the exact span; other lines step with Bresenham's rule.
    void LineTo(int x, int y, Colour colour);

    // The dotted focus outline: on the rectangle's top and bottom rows and
    // its left and right columns between them, every other pixel is inverted,
    // in a checkerboard whose first inverted pixel is the top-left one.
    // Drawing it twice restores the surface.
    void DrawFocusRect(const Rect& rect);

    // Same size and same pixels; the current position does not count.
    friend bool operator==(const Surface& a, const Surface& b) {
        return a.m_width == b.m_width && a.m_height == b.m_height && a.m_pixels == b.m_pixels;
    }

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x);
    }
    void InvertCheckerStrip(const Rect& strip, const Rect& origin);

    int m_width = 0;
    int m_height = 0;
    std::vector<Colour> m_pixels;
    Point m_position;
};

}  // namespace torvel
