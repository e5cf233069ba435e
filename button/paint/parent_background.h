// What a button with a transparent background needs of its parent window.
#pragma once

#include "button/paint/image.h"
#include "button/paint/rect.h"

namespace torvel {

class ParentBackground {
public:
    virtual ~ParentBackground() = default;

    // The parent window's background picture, or nullptr when it has none.
    virtual const Image* BackgroundPicture() const = 0;

    // The button's top-left corner in the parent's pixels.
    virtual Point ButtonPosition() const = 0;
};

}  // namespace torvel
