// The mono and disabled image states: a silhouette and an embossed image.
#include "button/paint/draw_state.h"

namespace torvel {

namespace {

constexpr Colour kWhite = 0xFFFFFF;

}  // namespace

void DrawStateMono(Surface& dst, int x, int y, const Surface& image, Colour brush) {
    for (int v = 0; v < image.height(); ++v) {
        for (int u = 0; u < image.width(); ++u) {
            if (image.pixel(u, v) != kWhite) dst.SetPixel(x + u, y + v, brush);
        }
    }
}

void DrawStateDisabled(Surface& dst, int x, int y, const Surface& image, Colour highlight, Colour shadow) {
    DrawStateMono(dst, x + 1, y + 1, image, highlight);
    DrawStateMono(dst, x, y, image, shadow);
}

}  // namespace torvel
