// A pixel surface of plain colours and the basic drawing primitives on it.
#include "button/paint/surface.h"

#include <algorithm>

namespace torvel {

namespace {

// The part of `rect` inside a width x height surface.
Rect ClipTo(const Rect& rect, int width, int height) {
    return {std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, width), std::min(rect.bottom, height)};
}

// A rectangle from 64-bit edges, each brought into a range that holds every
// surface, so that spans reaching far outside cannot overflow.
std::int32_t Bound(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, -1, Surface::kMaxPixels + 1));
}

Rect BoundedRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
    return {Bound(left), Bound(top), Bound(right), Bound(bottom)};
}

int BlendChannel(Colour over, Colour under, int shift, int coverage) {
    const int a = static_cast<int>((over >> shift) & 0xFF);
    const int b = static_cast<int>((under >> shift) & 0xFF);
    return (a * coverage + b * (255 - coverage) + 127) / 255;
}

}  // namespace

Surface::Surface(int width, int height) {
    if (width <= 0 || height <= 0 || std::int64_t{width} * height > kMaxPixels) return;
    m_width = width;
    m_height = height;
    m_pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), Colour{0});
}

void Surface::SetPixel(int x, int y, Colour colour) {
    if (contains(x, y)) m_pixels[Index(x, y)] = colour;
}

void Surface::BlendPixel(int x, int y, Colour colour, int coverage) {
    if (!contains(x, y) || coverage <= 0) return;
    Colour& target = m_pixels[Index(x, y)];
    if (coverage >= 255) {
        target = colour;
        return;
    }
    target = Rgb(BlendChannel(colour, target, 0, coverage), BlendChannel(colour, target, 8, coverage),
                 BlendChannel(colour, target, 16, coverage));
}

void Surface::FillRect(const Rect& rect, Colour colour) {
    const Rect clip = ClipTo(rect, m_width, m_height);
    if (clip.empty()) return;
    for (int y = clip.top; y < clip.bottom; ++y) {
        std::fill(row(y) + clip.left, row(y) + clip.right, colour);
    }
}

void Surface::FrameRect(const Rect& rect, Colour colour) {
    if (rect.empty()) return;
    FillRect({rect.left, rect.top, rect.right, rect.top + 1}, colour);
    FillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
    FillRect({rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
    FillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void Surface::MoveTo(int x, int y) { m_position = {x, y}; }

void Surface::LineTo(int x, int y, Colour colour) {
    const std::int64_t x1 = m_position.x;
    const std::int64_t y1 = m_position.y;
    const std::int64_t x2 = x;
    const std::int64_t y2 = y;
    m_position = {x, y};
    // Straight lines are filled as spans, so that a line far outside the
    // surface costs nothing.
    if (y1 == y2) {
        if (x2 > x1) FillRect(BoundedRect(x1, y1, x2, y1 + 1), colour);
        if (x2 < x1) FillRect(BoundedRect(x2 + 1, y1, x1 + 1, y1 + 1), colour);
        return;
    }
    if (x1 == x2) {
        if (y2 > y1) FillRect(BoundedRect(x1, y1, x1 + 1, y2), colour);
        if (y2 < y1) FillRect(BoundedRect(x1, y2 + 1, x1 + 1, y1 + 1), colour);
        return;
    }
    const std::int64_t dx = x2 > x1 ? x2 - x1 : x1 - x2;
    const std::int64_t dy = -(y2 > y1 ? y2 - y1 : y1 - y2);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    std::int64_t error = dx + dy;
    std::int64_t px = x1;
    std::int64_t py = y1;
    while (px != x2 || py != y2) {
        if (px >= 0 && py >= 0 && px < m_width && py < m_height) {
            m_pixels[Index(static_cast<int>(px), static_cast<int>(py))] = colour;
        }
        const std::int64_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            px += sx;
        }
        if (twice <= dx) {
            error += dx;
            py += sy;
        }
    }
}

void Surface::DrawFocusRect(const Rect& rect) {
    if (rect.empty()) return;
    InvertCheckerStrip({rect.left, rect.top, rect.right, rect.top + 1}, rect);
    InvertCheckerStrip({rect.left, rect.bottom - 1, rect.right, rect.bottom}, rect);
    InvertCheckerStrip({rect.left, rect.top + 1, rect.left + 1, rect.bottom - 1}, rect);
    InvertCheckerStrip({rect.right - 1, rect.top + 1, rect.right, rect.bottom - 1}, rect);
}

void Surface::InvertCheckerStrip(const Rect& strip, const Rect& origin) {
    const Rect clip = ClipTo(strip, m_width, m_height);
    for (int y = clip.top; y < clip.bottom; ++y) {
        for (int x = clip.left; x < clip.right; ++x) {
            // Parity of the distance from the outline's top-left pixel;
            // computed in 64 bits so that far-away rectangles cannot overflow.
            const std::int64_t steps = std::int64_t{x} - origin.left + std::int64_t{y} - origin.top;
            if (steps % 2 == 0) m_pixels[Index(x, y)] ^= 0xFFFFFFu;
        }
    }
}

}  // namespace torvel
