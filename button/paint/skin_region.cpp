// The window shape of the XPButton style: a rectangle with cut corners.
#include "button/paint/skin_region.h"

namespace torvel {

Region BuildSkinRegion(int width, int height) {
    const int w = width;
    const int h = height;
    Region region(Rect{0, 0, w, h});
    const Rect corners[] = {
        {0, 0, 2, 1}, {0, h - 1, 2, h},     {w - 2, 0, w, 1}, {w - 2, h - 1, w, h},
        {0, 1, 1, 2}, {0, h - 2, 1, h - 1}, {w - 1, 1, w, 2}, {w - 1, h - 2, w, h - 1},
    };
    for (const Rect& corner : corners) region.Subtract(corner);
    return region;
}

}  // namespace torvel
