// Drawing a bitmap or icon picture: scaled, colour-keyed, mono or embossed.
#include "button/paint/picture_drawing.h"

#include <cstdint>
#include <limits>

#include "button/paint/block_transfer.h"
#include "button/paint/draw_state.h"
#include "button/paint/image_pixels.h"
#include "button/paint/mono_bitmap.h"

namespace torvel {

namespace {

constexpr Colour kWhite = 0xFFFFFF;

bool FitsSixteenBits(std::int64_t value) {
    return value >= std::numeric_limits<std::int16_t>::min() && value <= std::numeric_limits<std::int16_t>::max();
}

// The mono state in the silhouette grey, or the embossed state in the
// button highlight and shadow.
void DrawMonoOrEmbossed(const Canvas& canvas, Surface& dst, int x, int y, const Surface& image, bool shadow) {
    if (shadow) {
        DrawStateMono(dst, x, y, image, kSilhouetteGrey);
    } else {
        DrawStateDisabled(dst, x, y, image, canvas.System(COLOR_BTNHIGHLIGHT), canvas.System(COLOR_BTNSHADOW));
    }
}

}  // namespace

void TransparentBlit(Surface& dst, const Surface& src, int sL, int sT, int sR, int sB, int dX, int dY, Colour key) {
    const std::int64_t width = std::int64_t{sR} - sL;
    const std::int64_t height = std::int64_t{sB} - sT;
    if (!FitsSixteenBits(width) || !FitsSixteenBits(height) || width <= 0 || height <= 0) return;
    int w = static_cast<int>(width);
    int h = static_cast<int>(height);
    // Keep to the part of the block inside the source.
    if (sL < 0) {
        w += sL;
        dX -= sL;
        sL = 0;
    }
    if (sT < 0) {
        h += sT;
        dY -= sT;
        sT = 0;
    }
    w = std::min(w, src.width() - sL);
    h = std::min(h, src.height() - sT);
    if (w <= 0 || h <= 0) return;

    // 1 where the source has the key colour, and its inverse.
    MonoBitmap mask(w, h);
    BitBlt(mask, 0, 0, w, h, src, sL, sT, key, RasterOp::SrcCopy);
    MonoBitmap inverse(w, h);
    BitBlt(inverse, 0, 0, w, h, mask, 0, 0, RasterOp::NotSrcCopy);
    // The destination where the key is, the source elsewhere, combined.
    Surface kept(w, h);
    BitBlt(kept, 0, 0, w, h, dst, dX, dY, RasterOp::SrcCopy);
    BitBlt(kept, 0, 0, w, h, mask, 0, 0, RasterOp::SrcAnd);
    Surface drawn(w, h);
    BitBlt(drawn, 0, 0, w, h, src, sL, sT, RasterOp::SrcCopy);
    BitBlt(drawn, 0, 0, w, h, inverse, 0, 0, RasterOp::SrcAnd);
    BitBlt(kept, 0, 0, w, h, drawn, 0, 0, RasterOp::SrcInvert);
    BitBlt(dst, dX, dY, w, h, kept, 0, 0, RasterOp::SrcCopy);
}

void DrawBitmapPicture(const Canvas& canvas, const PaintInput& input, PictureLook look, const Rect& rect, bool shadow) {
    const int origW = input.OriginalPicSizeW;
    const int origH = input.OriginalPicSizeH;
    const int pw = input.PictureWidth;
    const int ph = input.PictureHeight;
    const Surface bitmap = BitmapSurface(input.picture.image());
    Surface original(origW, origH);
    if (look == PictureLook::Normal) {
        BitBlt(original, 0, 0, bitmap.width(), bitmap.height(), bitmap, 0, 0, RasterOp::SrcCopy);
    } else {
        original.FillRect({0, 0, origW, origH}, kWhite);
        TransparentBlit(original, bitmap, 0, 0, origW, origH, 0, 0, input.MaskColor);
    }
    Surface scaled(pw, ph);
    StretchBlt(scaled, {0, 0, pw, ph}, original, {0, 0, origW, origH});
    if (look == PictureLook::Normal) {
        TransparentBlit(canvas.surface(), scaled, 0, 0, pw, ph, rect.left, rect.top, input.MaskColor);
    } else {
        DrawMonoOrEmbossed(canvas, canvas.surface(), rect.left, rect.top, scaled, shadow);
    }
}

void DrawIconPicture(const Canvas& canvas, const PaintInput& input, PictureLook look, const Rect& rect, bool shadow) {
    const Image& icon = input.picture.image();
    if (look == PictureLook::Normal) {
        PaintIcon(canvas.surface(), icon, rect);
        return;
    }
    const int origW = input.OriginalPicSizeW;
    const int origH = input.OriginalPicSizeH;
    Surface original(origW, origH);
    DrawMonoOrEmbossed(canvas, original, 0, 0, IconOnWhite(icon), shadow);
    Surface scaled(rect.width(), rect.height());
    StretchBlt(scaled, {0, 0, rect.width(), rect.height()}, original, {0, 0, origW, origH});
    // Black is the icon's key colour, whatever MaskColor holds.
    TransparentBlit(canvas.surface(), scaled, 0, 0, input.PictureWidth, input.PictureHeight, rect.left, rect.top, 0);
}

}  // namespace torvel
