// A small image in memory: the pixels of a button picture or cursor.
#pragma once

#include <cstdint>
#include <vector>

namespace torvel {

// Pixels are 0xAARRGGBB, row by row from the top (the layout of
// QImage::Format_ARGB32, so the Qt edge converts without shuffling bytes).
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool empty() const { return width <= 0 || height <= 0; }
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }

    friend bool operator==(const Image&, const Image&) = default;
};

}  // namespace torvel
