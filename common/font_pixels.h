// Font sizes in points brought to the screen's pixels.
#pragma once

namespace torvel {

// A size in points as whole pixels at 96 dots per inch, to the nearest:
// 8.25 pt is 11 px, 15.75 pt is 21 px.
int FontPixels(double points);

}  // namespace torvel
