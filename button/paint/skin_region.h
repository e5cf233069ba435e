// The window shape of the XPButton style: a rectangle with cut corners.
#pragma once

#include "button/paint/region.h"

namespace torvel {

// {0, 0, width, height} less three pixels at each corner: two along the top
// or bottom edge and one along the side. Holds width x height - 12 pixels
// for a shape of at least 4 x 4.
Region BuildSkinRegion(int width, int height);

}  // namespace torvel
