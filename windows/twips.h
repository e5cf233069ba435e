// The windows' layouts are kept in twips and their fonts in points; the
// screen works in pixels at 96 dots per inch.
#pragma once

#include <QRect>

namespace torvel {

inline constexpr int kTwipsPerPixel = 15;

// To the nearest whole pixel.
constexpr int Px(int twips) {
    const int half = kTwipsPerPixel / 2;
    return (twips >= 0 ? twips + half : twips - half) / kTwipsPerPixel;
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

// A font size in points as pixels at 96 dpi: 8.25 pt is 11 px.
int FontPixels(double points);

}  // namespace torvel
