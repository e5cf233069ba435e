// Where the caption and the picture go inside the button: pure geometry.
#pragma once

#include <cstdint>

#include "button/paint/rect.h"

namespace torvel {

// The gap between the picture and the caption.
constexpr std::int32_t kPictureGap = 4;

// The outer rectangle {0, 0, W - 1, H - 1} inset by 4 on the left and top and
// by 3 on the right and bottom: {4, 4, W - 4, H - 4}.
Rect ContentRectFor(std::int32_t width, std::int32_t height);

// A width x height rectangle centred in `within`: the leftover on each axis
// halved with truncation toward zero, the odd pixel after the content. A
// rectangle larger than `within` overhangs it on both sides. All rectangles
// here are computed in 64 bits and their edges saturate at the 32-bit range.
Rect CentreRect(std::int64_t width, std::int64_t height, const Rect& within);

struct ContentPlacement {
    Rect picture;
    Rect caption;

    friend bool operator==(const ContentPlacement&, const ContentPlacement&) = default;
};

// Places a pictureWidth x pictureHeight picture and a measured caption (its
// rectangle centred in `content` already) by `position` (0 above, 1 left,
// 2 right, 3 below the caption), 4 pixels apart, the pair centred in
// `content`. Any other position keeps `previousPicture` and the centred
// caption.
ContentPlacement PlaceContent(const Rect& content, std::int32_t pictureWidth, std::int32_t pictureHeight,
                              const Rect& centredCaption, std::int32_t position, const Rect& previousPicture);

}  // namespace torvel
