// The visible shape of the main window: a rectangle with curved corners.
#include "windows/round_rect_region.h"

#include <algorithm>
#include <cmath>

namespace torvel {

namespace {

// How many pixels row `y` gives up at each side.
int Inset(int y, int height, double rx, double ry) {
    const double centreY = y + 0.5;
    // Distance into the corner zone, measured from the nearer edge.
    const double fromEdge = std::min(centreY, height - centreY);
    if (fromEdge >= ry) return 0;
    const double dy = (ry - fromEdge) / ry;
    const double halfChord = rx * std::sqrt(std::max(0.0, 1.0 - dy * dy));
    // The first pixel whose centre is at or beyond the ellipse's edge.
    return static_cast<int>(std::ceil(rx - halfChord - 0.5));
}

}  // namespace

QRegion RoundRectRegion(int width, int height, int ellipseWidth, int ellipseHeight) {
    if (width <= 0 || height <= 0) return {};
    const double rx = std::min(ellipseWidth, width) / 2.0;
    const double ry = std::min(ellipseHeight, height) / 2.0;
    QRegion region;
    int y = 0;
    while (y < height) {
        const int inset = Inset(y, height, rx, ry);
        // Rows with the same inset form one rectangle.
        int end = y + 1;
        while (end < height && Inset(end, height, rx, ry) == inset) ++end;
        if (width - 2 * inset > 0) region += QRect(inset, y, width - 2 * inset, end - y);
        y = end;
    }
    return region;
}

}  // namespace torvel
