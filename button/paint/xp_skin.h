// The skin of the XPButton style: gradient, outline, rings, disabled look.
#pragma once

#include "button/paint/canvas.h"
#include "button/paint/paint_input.h"

namespace torvel {

enum class SkinState { Rest = 0, Pressed = 2 };

// n = round(k * i), halves to even, with k = steps / height held in single
// precision: how far gradient line i is shaded.
int GradientStep(int steps, int height, int i);

// The colour of gradient row `row` of a height-pixel skin in `state` for a
// button whose BackColor resolves to `back`: at rest the rows darken
// downwards from ShadeColor(back, 48) in 25 steps; pressed they darken
// upwards from 32 below that in 15 steps.
Colour SkinRowColour(SkinState state, Colour back, int height, int row);

// Draws the skin over the whole width x height surface: the disabled look
// when the button is disabled; otherwise the gradient of `state` with its
// outline and edges, the focus ring when focused at rest, and the hover ring
// over it when `hoverRing` is set.
void DrawSkin(const Canvas& canvas, const PaintInput& input, int width, int height, SkinState state, bool hoverRing);

}  // namespace torvel
