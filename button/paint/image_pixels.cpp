// Pictures (ARGB images) brought onto surfaces of plain colours.
#include "button/paint/image_pixels.h"

#include <algorithm>

namespace torvel {

namespace {

int AlphaOf(std::uint32_t argb) { return static_cast<int>(argb >> 24); }

// An image whose pixel buffer holds all its pixels; any other is not drawn.
bool Drawable(const Image& image) {
    return !image.empty() &&
           image.pixels.size() >= static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
}

}  // namespace

Surface BitmapSurface(const Image& image) {
    if (!Drawable(image)) return {};
    Surface surface(image.width, image.height);
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) surface.SetPixel(x, y, PlainColourOf(image.at(x, y)));
    }
    return surface;
}

Surface IconOnWhite(const Image& image) {
    if (!Drawable(image)) return {};
    Surface surface(image.width, image.height);
    surface.FillRect({0, 0, surface.width(), surface.height()}, 0xFFFFFF);
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            const std::uint32_t argb = image.at(x, y);
            surface.BlendPixel(x, y, PlainColourOf(argb), AlphaOf(argb));
        }
    }
    return surface;
}

void PaintIcon(Surface& dst, const Image& image, const Rect& rect) {
    if (!Drawable(image) || rect.empty()) return;
    const std::int64_t w = rect.width();
    const std::int64_t h = rect.height();
    // Only the part of the rectangle on the surface is visited.
    const int firstX = std::max(rect.left, 0);
    const int lastX = std::min(rect.right, dst.width());
    const int firstY = std::max(rect.top, 0);
    const int lastY = std::min(rect.bottom, dst.height());
    for (int y = firstY; y < lastY; ++y) {
        const auto v = static_cast<int>((std::int64_t{y} - rect.top) * image.height / h);
        for (int x = firstX; x < lastX; ++x) {
            const auto u = static_cast<int>((std::int64_t{x} - rect.left) * image.width / w);
            const std::uint32_t argb = image.at(u, v);
            dst.BlendPixel(x, y, PlainColourOf(argb), AlphaOf(argb));
        }
    }
}

void CopyImageBlock(Surface& dst, int dx, int dy, int w, int h, const Image& src, int sx, int sy) {
    if (!Drawable(src)) return;
    // The offsets i with both sx + i and dx + i inside, likewise for rows.
    const auto first = [](int source, int destination) {
        return static_cast<int>(std::max({std::int64_t{0}, -std::int64_t{source}, -std::int64_t{destination}}));
    };
    const auto last = [](int length, int source, int sourceExtent, int destination, int destinationExtent) {
        return static_cast<int>(std::min({std::int64_t{length}, std::int64_t{sourceExtent} - source,
                                          std::int64_t{destinationExtent} - destination}));
    };
    const int firstX = first(sx, dx);
    const int lastX = last(w, sx, src.width, dx, dst.width());
    const int firstY = first(sy, dy);
    const int lastY = last(h, sy, src.height, dy, dst.height());
    for (int j = firstY; j < lastY; ++j) {
        for (int i = firstX; i < lastX; ++i) dst.SetPixel(dx + i, dy + j, PlainColourOf(src.at(sx + i, sy + j)));
    }
}

}  // namespace torvel
