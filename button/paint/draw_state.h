// The mono and disabled image states: a silhouette and an embossed image.
#pragma once

#include "button/paint/colour.h"
#include "button/paint/surface.h"

namespace torvel {

// Every pixel of `image` that is not white is painted in `brush` at
// (x, y) + its position; white pixels leave the surface alone.
void DrawStateMono(Surface& dst, int x, int y, const Surface& image, Colour brush);

// The embossed image: the non-white pixels of `image` are painted in
// `highlight` one pixel right of and below their place, then in `shadow` at
// their place, on top; white pixels leave the surface alone.
void DrawStateDisabled(Surface& dst, int x, int y, const Surface& image, Colour highlight, Colour shadow);

}  // namespace torvel
