// The painter's surface and window shape in Qt's terms.
#include "button/qt/surface_image.h"

namespace torvel {

QImage SurfaceToQImage(const Surface& surface) {
    QImage image(surface.width(), surface.height(), QImage::Format_RGB32);
    for (int y = 0; y < surface.height(); ++y) {
        const Colour* in = surface.row(y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        // 0x00BBGGRR to 0xFFRRGGBB.
        for (int x = 0; x < surface.width(); ++x) {
            const Colour c = in[x];
            out[x] = 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
        }
    }
    return image;
}

QRegion RegionToQRegion(const Region& region) {
    QRegion out;
    for (const Rect& r : region.rects()) out += QRect(r.left, r.top, r.width(), r.height());
    return out;
}

}  // namespace torvel
