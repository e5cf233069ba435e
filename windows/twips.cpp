// Converting font sizes in points to pixels.
#include "windows/twips.h"

#include <cmath>

namespace torvel {

int FontPixels(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

}  // namespace torvel
