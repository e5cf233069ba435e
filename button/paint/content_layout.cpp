// Where the caption and the picture go inside the button: pure geometry.
#include "button/paint/content_layout.h"

#include <algorithm>

namespace torvel {

namespace {

Rect At(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height) {
    return {SaturateCoordinate(left), SaturateCoordinate(top), SaturateCoordinate(left + width),
            SaturateCoordinate(top + height)};
}

}  // namespace

Rect ContentRectFor(std::int32_t width, std::int32_t height) {
    const std::int64_t right = std::int64_t{width} - 1;
    const std::int64_t bottom = std::int64_t{height} - 1;
    return {4, 4, SaturateCoordinate(right - 4 + 1), SaturateCoordinate(bottom - 4 + 1)};
}

Rect CentreRect(std::int64_t width, std::int64_t height, const Rect& within) {
    const std::int64_t left = within.left + (std::int64_t{within.right} - within.left - width) / 2;
    const std::int64_t top = within.top + (std::int64_t{within.bottom} - within.top - height) / 2;
    return At(left, top, width, height);
}

ContentPlacement PlaceContent(const Rect& content, std::int32_t pictureWidth, std::int32_t pictureHeight,
                              const Rect& centredCaption, std::int32_t position, const Rect& previousPicture) {
    const std::int64_t cL = content.left;
    const std::int64_t cT = content.top;
    const std::int64_t cw = std::int64_t{content.right} - content.left;
    const std::int64_t ch = std::int64_t{content.bottom} - content.top;
    const std::int64_t pw = pictureWidth;
    const std::int64_t ph = pictureHeight;
    const std::int64_t tw = std::int64_t{centredCaption.right} - centredCaption.left;
    const std::int64_t th = std::int64_t{centredCaption.bottom} - centredCaption.top;
    switch (position) {
        case 0: {  // picture above
            const std::int64_t pictureTop = cT + (ch - (th + kPictureGap + ph)) / 2;
            return {At(cL + (cw - pw) / 2, pictureTop, pw, ph),
                    At(cL + (cw - tw) / 2, pictureTop + ph + kPictureGap, tw, th)};
        }
        case 1: {  // picture left
            const std::int64_t pictureLeft = cL + (cw - (tw + kPictureGap + pw)) / 2;
            return {At(pictureLeft, cT + (ch - ph) / 2, pw, ph),
                    At(pictureLeft + pw + kPictureGap, cT + (ch - th) / 2, tw, th)};
        }
        case 2: {  // picture right
            const std::int64_t captionLeft = cL + (cw - (tw + kPictureGap + pw)) / 2;
            return {At(captionLeft + tw + kPictureGap, cT + (ch - ph) / 2, pw, ph),
                    At(captionLeft, cT + (ch - th) / 2, tw, th)};
        }
        case 3: {  // picture below
            const std::int64_t captionTop = cT + (ch - (th + kPictureGap + ph)) / 2;
            return {At(cL + (cw - pw) / 2, captionTop + th + kPictureGap, pw, ph),
                    At(cL + (cw - tw) / 2, captionTop, tw, th)};
        }
        default:
            return {previousPicture, centredCaption};
    }
}

}  // namespace torvel
