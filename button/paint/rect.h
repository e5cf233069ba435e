// Pixel rectangles and points of the button's surface.
#pragma once

#include <algorithm>
#include <cstdint>

namespace torvel {

// A 64-bit coordinate brought into the 32-bit range: rectangle arithmetic
// saturates instead of overflowing.
constexpr std::int32_t SaturateCoordinate(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

// {left, top, right, bottom} with right and bottom exclusive.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t width() const { return SaturateCoordinate(std::int64_t{right} - left); }
    std::int32_t height() const { return SaturateCoordinate(std::int64_t{bottom} - top); }
    bool empty() const { return right <= left || bottom <= top; }

    Rect moved(std::int32_t dx, std::int32_t dy) const {
        return {SaturateCoordinate(std::int64_t{left} + dx), SaturateCoordinate(std::int64_t{top} + dy),
                SaturateCoordinate(std::int64_t{right} + dx), SaturateCoordinate(std::int64_t{bottom} + dy)};
    }

    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

}  // namespace torvel
