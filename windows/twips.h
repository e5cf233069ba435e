// The windows' layouts are kept in twips; the screen works in pixels at 96
// dots per inch.
#pragma once

#include <QRect>
#include <QSize>

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

constexpr QSize TwipsSize(int width, int height) { return QSize(Px(width), Px(height)); }

}  // namespace torvel
