// Pictures (ARGB images) brought onto surfaces of plain colours.
#pragma once

#include <cstdint>

#include "button/paint/colour.h"
#include "button/paint/image.h"
#include "button/paint/rect.h"
#include "button/paint/surface.h"

namespace torvel {

// The plain colour 0x00BBGGRR of an ARGB pixel 0xAARRGGBB, alpha dropped.
constexpr Colour PlainColourOf(std::uint32_t argb) {
    return ((argb >> 16) & 0xFFu) | (argb & 0xFF00u) | ((argb & 0xFFu) << 16);
}

// A bitmap as it is, in its own size; alpha is not part of a bitmap.
Surface BitmapSurface(const Image& image);

// An icon in its own size over a white ground: its transparent pixels show
// white, which the mono and disabled states leave out.
Surface IconOnWhite(const Image& image);

// Paints an icon scaled to `rect` (nearest pixel), blending it by its own
// alpha so that its transparent pixels keep the surface.
void PaintIcon(Surface& dst, const Image& image, const Rect& rect);

// Copies the w x h block at (sx, sy) of an image onto the surface at
// (dx, dy), alpha dropped; pixels outside either are skipped.
void CopyImageBlock(Surface& dst, int dx, int dy, int w, int h, const Image& src, int sx, int sy);

}  // namespace torvel
