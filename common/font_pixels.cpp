// Font sizes in points brought to the screen's pixels.
#include "common/font_pixels.h"

#include <cmath>

namespace torvel {

int FontPixels(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

}  // namespace torvel
