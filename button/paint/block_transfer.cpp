// Block copies between surfaces and masks, and the stretching copy.
#include "button/paint/block_transfer.h"

#include <algorithm>
#include <cstdint>

namespace torvel {

namespace {

constexpr Colour kWhite = 0xFFFFFF;

Colour Combine(Colour s, Colour d, RasterOp op) {
    switch (op) {
        case RasterOp::SrcCopy:
            return s;
        case RasterOp::SrcAnd:
            return s & d;
        case RasterOp::SrcInvert:
            return s ^ d;
        case RasterOp::NotSrcCopy:
            return ~s & kWhite;
    }
    return d;
}

bool Combine(bool s, bool d, RasterOp op) {
    switch (op) {
        case RasterOp::SrcCopy:
            return s;
        case RasterOp::SrcAnd:
            return s && d;
        case RasterOp::SrcInvert:
            return s != d;
        case RasterOp::NotSrcCopy:
            return !s;
    }
    return d;
}

// The offsets 0 <= i < length for which both source + i and destination + i
// lie inside their extents.
struct Span {
    int first = 0;
    int last = 0;  // exclusive
};

Span Overlap(int length, int source, int sourceExtent, int destination, int destinationExtent) {
    std::int64_t first = 0;
    std::int64_t last = length;
    first = std::max({first, -std::int64_t{source}, -std::int64_t{destination}});
    last = std::min({last, std::int64_t{sourceExtent} - source, std::int64_t{destinationExtent} - destination});
    if (last <= first) return {};
    return {static_cast<int>(first), static_cast<int>(last)};
}

// Runs `copy(dx + i, dy + j, sx + i, sy + j)` over the clipped block.
template <typename Dst, typename Src, typename Copy>
void ForBlock(Dst& dst, int dx, int dy, int w, int h, const Src& src, int sx, int sy, Copy copy) {
    const Span xs = Overlap(w, sx, src.width(), dx, dst.width());
    const Span ys = Overlap(h, sy, src.height(), dy, dst.height());
    for (int j = ys.first; j < ys.last; ++j) {
        for (int i = xs.first; i < xs.last; ++i) copy(dx + i, dy + j, sx + i, sy + j);
    }
}

// The source indices [first, last) that go into destination index d when
// `from` pixels are scaled to `to`: enlarging takes the source pixel under
// the destination pixel's centre; shrinking takes every source pixel that
// starts inside the destination pixel.
Span ScaleSpan(int d, int from, int to) {
    if (from <= to) {
        const auto index = static_cast<int>((2 * std::int64_t{d} + 1) * from / (2 * std::int64_t{to}));
        return {index, index + 1};
    }
    const auto first = static_cast<int>(std::int64_t{d} * from / to);
    const auto next = static_cast<int>((std::int64_t{d} + 1) * from / to);
    return {first, std::max(first + 1, next)};
}

}  // namespace

void BitBlt(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy, RasterOp op) {
    ForBlock(dst, dx, dy, w, h, src, sx, sy,
             [&](int x, int y, int u, int v) { dst.SetPixel(x, y, Combine(src.pixel(u, v), dst.pixel(x, y), op)); });
}

void BitBlt(Surface& dst, int dx, int dy, int w, int h, const MonoBitmap& src, int sx, int sy, RasterOp op) {
    ForBlock(dst, dx, dy, w, h, src, sx, sy, [&](int x, int y, int u, int v) {
        const Colour expanded = src.bit(u, v) ? kWhite : 0;
        dst.SetPixel(x, y, Combine(expanded, dst.pixel(x, y), op));
    });
}

void BitBlt(MonoBitmap& dst, int dx, int dy, int w, int h, const MonoBitmap& src, int sx, int sy, RasterOp op) {
    ForBlock(dst, dx, dy, w, h, src, sx, sy,
             [&](int x, int y, int u, int v) { dst.setBit(x, y, Combine(src.bit(u, v), dst.bit(x, y), op)); });
}

void BitBlt(MonoBitmap& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy, Colour background,
            RasterOp op) {
    ForBlock(dst, dx, dy, w, h, src, sx, sy, [&](int x, int y, int u, int v) {
        dst.setBit(x, y, Combine(src.pixel(u, v) == background, dst.bit(x, y), op));
    });
}

void StretchBlt(Surface& dst, const Rect& dstRect, const Surface& src, const Rect& srcRect) {
    if (dstRect.empty() || srcRect.empty() || dst.empty() || src.empty()) return;
    if (dstRect.width() == srcRect.width() && dstRect.height() == srcRect.height()) {
        BitBlt(dst, dstRect.left, dstRect.top, dstRect.width(), dstRect.height(), src, srcRect.left, srcRect.top,
               RasterOp::SrcCopy);
        return;
    }
    // Only the destination pixels that lie on the surface are computed, which
    // keeps a huge destination rectangle cheap.
    const int firstX = std::max(0, -dstRect.left);
    const int lastX =
        static_cast<int>(std::min<std::int64_t>(dstRect.width(), std::int64_t{dst.width()} - dstRect.left));
    const int firstY = std::max(0, -dstRect.top);
    const int lastY =
        static_cast<int>(std::min<std::int64_t>(dstRect.height(), std::int64_t{dst.height()} - dstRect.top));
    if (lastX <= firstX || lastY <= firstY) return;
    // Likewise only the source pixels that exist are merged, so a huge source
    // rectangle over a small surface costs no more than the surface.
    const Span us = Overlap(srcRect.width(), srcRect.left, src.width(), 0, srcRect.width());
    const Span vs = Overlap(srcRect.height(), srcRect.top, src.height(), 0, srcRect.height());
    for (int j = firstY; j < lastY; ++j) {
        const Span r = ScaleSpan(j, srcRect.height(), dstRect.height());
        const int firstV = std::max(r.first, vs.first);
        const int lastV = std::min(r.last, vs.last);
        for (int i = firstX; i < lastX; ++i) {
            const Span c = ScaleSpan(i, srcRect.width(), dstRect.width());
            const int firstU = std::max(c.first, us.first);
            const int lastU = std::min(c.last, us.last);
            if (firstU >= lastU || firstV >= lastV) continue;
            Colour merged = kWhite;
            for (int v = firstV; v < lastV; ++v) {
                for (int u = firstU; u < lastU; ++u) merged &= src.pixel(srcRect.left + u, srcRect.top + v);
            }
            dst.SetPixel(dstRect.left + i, dstRect.top + j, merged);
        }
    }
}

}  // namespace torvel
