// Colour arithmetic of the painter: splitting, shading and lightening.
#pragma once

#include "button/paint/colour.h"

namespace torvel {

struct ColourParts {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const ColourParts&, const ColourParts&) = default;
};

// The red, green and blue of a plain colour.
ColourParts SplitColor(Colour plain);

// A plain colour from three components, each brought into 0..255.
Colour ComposeColor(int red, int green, int blue);

// Red and green move by `amount`; blue moves in proportion to its own value,
// by blue * amount / 192 truncated toward zero; each result is clamped to
// 0..255. At 192 all three move alike.
Colour ShadeColor(Colour plain, int amount);

// Adds `amount` to each component, clamped to 0..255.
Colour Lighten(Colour plain, int amount);

}  // namespace torvel
