// The raised and sunken borders, the bevels and the default-button frame.
#pragma once

#include "button/paint/canvas.h"
#include "button/paint/colour.h"

namespace torvel {

// rings + 1 concentric frames from the innermost (ring `rings`) outwards,
// each ShadeColor(-depth) darker than the one inside it, starting from
// `base`; then the top and left sides of each ring repainted, each
// Lighten(depth) lighter than the one inside it. The right and bottom sides,
// the top-right and the bottom-left pixel of each ring keep the dark colours.
void DrawRaisedBevel(const Canvas& canvas, Colour base, int rings, int depth);

// The same with the roles exchanged: lighter frames, darker top and left.
void DrawSunkenBevel(const Canvas& canvas, Colour base, int rings, int depth);

// With `bevel` below 2: the button shadow on column W - 2 and row H - 2 and
// the button highlight on column 0 and row 0, which over a raised border
// gives a two-pixel shadow on the right and at the bottom. Otherwise a raised
// bevel with `depth` + 3.
void DrawDefaultFrame(const Canvas& canvas, Colour base, int bevel, int depth);

// With `bevel` below 2 the one-pixel border: column 0 and row 0 in the button
// highlight, column W - 1 and row H - 1 in the button shadow; otherwise
// DrawRaisedBevel.
void DrawRaisedBorder(const Canvas& canvas, Colour base, int bevel, int depth);

// With `bevel` below 2: column 0 and row 0 in the button shadow, column W - 1
// and row H - 1 in the button highlight; otherwise DrawSunkenBevel.
void DrawSunkenBorder(const Canvas& canvas, Colour base, int bevel, int depth);

}  // namespace torvel
