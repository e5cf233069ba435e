// Drawing a bitmap or icon picture: scaled, colour-keyed, mono or embossed.
#pragma once

#include "button/paint/canvas.h"
#include "button/paint/colour.h"
#include "button/paint/paint_input.h"
#include "button/paint/rect.h"
#include "button/paint/surface.h"

namespace torvel {

// Copies the source block {sL, sT, sR, sB} to (dX, dY) of the destination,
// leaving every destination pixel alone where the source pixel equals `key`
// exactly. Built from masks and raster operations as the platform does it.
// Width and height are 16-bit quantities: a block outside that range, or
// empty, copies nothing. The part of the block outside the source is not
// copied.
void TransparentBlit(Surface& dst, const Surface& src, int sL, int sT, int sR, int sB, int dX, int dY, Colour key);

enum class PictureLook { Normal, Disabled };

// The grey of the silhouette under a lifted picture.
constexpr Colour kSilhouetteGrey = Rgb(146, 146, 146);

// A bitmap at the top-left corner of `rect`, in PictureWidth x
// PictureHeight. Normal: scaled from its OriginalPicSize with MaskColor
// transparent. Disabled: its MaskColor pixels turned white, scaled, then with
// `shadow` a grey silhouette of the non-white pixels, else the embossed image.
void DrawBitmapPicture(const Canvas& canvas, const PaintInput& input, PictureLook look, const Rect& rect, bool shadow);

// An icon. Normal: scaled into `rect` with its own transparency. Disabled:
// its grey silhouette (with `shadow`) or its embossed image drawn on black,
// scaled to the size of `rect`, and copied with black transparent.
void DrawIconPicture(const Canvas& canvas, const PaintInput& input, PictureLook look, const Rect& rect, bool shadow);

}  // namespace torvel
