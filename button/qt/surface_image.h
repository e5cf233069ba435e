// The painter's surface and window shape in Qt's terms.
#pragma once

#include <QImage>
#include <QRegion>

#include "button/paint/region.h"
#include "button/paint/surface.h"

namespace torvel {

// The surface's pixels as an opaque RGB image of the same size.
QImage SurfaceToQImage(const Surface& surface);

// A window shape as a QRegion of the same pixels.
QRegion RegionToQRegion(const Region& region);

}  // namespace torvel
