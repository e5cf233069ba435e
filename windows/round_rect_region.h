// The visible shape of the main window: a rectangle with curved corners.
#pragma once

#include <QRegion>

namespace torvel {

// The pixels of the rectangle from (0, 0) to (width, height), right and
// bottom exclusive, with its corners cut along ellipses `ellipseWidth` by
// `ellipseHeight` pixels: a pixel belongs to it when its centre lies inside.
QRegion RoundRectRegion(int width, int height, int ellipseWidth, int ellipseHeight);

}  // namespace torvel
