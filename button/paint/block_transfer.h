// Block copies between surfaces and masks, and the stretching copy.
#pragma once

#include "button/paint/colour.h"
#include "button/paint/mono_bitmap.h"
#include "button/paint/rect.h"
#include "button/paint/surface.h"

namespace torvel {

// The raster operations the button uses, each combining a source pixel S
// with the destination pixel D.
enum class RasterOp {
    SrcCopy,     // S
    SrcAnd,      // S AND D
    SrcInvert,   // S XOR D
    NotSrcCopy,  // NOT S
};

// Every copy takes the w x h block at (sx, sy) of the source to (dx, dy) of
// the destination. Pixels of the block that fall outside the source or the
// destination are skipped: the destination keeps what it had there.

// Colour to colour.
void BitBlt(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy, RasterOp op);

// Monochrome to colour: a 1 expands to white, a 0 to black, before `op`.
void BitBlt(Surface& dst, int dx, int dy, int w, int h, const MonoBitmap& src, int sx, int sy, RasterOp op);

// Monochrome to monochrome.
void BitBlt(MonoBitmap& dst, int dx, int dy, int w, int h, const MonoBitmap& src, int sx, int sy, RasterOp op);

// Colour to monochrome: a source pixel equal to `background` (the source's
// background colour) becomes 1, any other 0, before `op`.
void BitBlt(MonoBitmap& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy, Colour background,
            RasterOp op);

// Copies the source rectangle onto the destination rectangle (SRCCOPY) in the
// default stretch mode of a new surface: where the copy shrinks, the source
// pixels that merge into one destination pixel are combined with AND, so
// black survives; where it enlarges, pixels repeat (each destination pixel
// takes the source pixel under its centre). Each axis is scaled on its own. Rectangles that are empty draw nothing.
void StretchBlt(Surface& dst, const Rect& dstRect, const Surface& src, const Rect& srcRect);

}  // namespace torvel
