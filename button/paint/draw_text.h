// Text in a rectangle: wrapped at word boundaries, each line centred.
#pragma once

#include <string_view>

#include "button/paint/colour.h"
#include "button/paint/device_grid.h"
#include "button/paint/font_attributes.h"
#include "button/paint/rect.h"
#include "button/paint/surface.h"
#include "button/paint/text_renderer.h"

namespace torvel {

// The margins of the text calls, in units of the font's average character
// width, on each side of the text.
struct DrawTextParams {
    int leftMargin = 1;
    int rightMargin = 1;
};

// Both calls take the text in the single-byte code page (Windows-1251). They
// wrap it at spaces to the rectangle's width less the margins, a word wider
// than that standing alone on its line, and break lines at CR LF, LF or CR.
// An "&" marks the next character as the access key: it is not drawn and the
// first character so marked is underlined; "&&" draws one "&".

// The measuring call: `rect` keeps its left and top and receives as right
// left + widest line + both margins and as bottom top + the height of all
// lines. Empty text gives right = left and bottom = top. Returns the height
// of the text.
int CalcTextRect(TextRenderer& renderer, const FontAttributes& font, std::string_view text, Rect& rect,
                 const DrawTextParams& params);

// Draws the wrapped lines from the rectangle's top down, each centred
// between the margins, in `colour` without background, clipped to `rect`.
// Returns the height of the text.
int DrawWrappedText(Surface& surface, TextRenderer& renderer, const FontAttributes& font, std::string_view text,
                    const Rect& rect, const DrawTextParams& params, Colour colour);

// The same text on a device surface at the grid's ratio: the lines break,
// and each starts, where they do on the button's own pixels, mapped to the
// device by `grid`; the glyphs are drawn at the device's resolution, clipped
// to the mapped rectangle. Returns the height of the text in the button's
// pixels.
int DrawWrappedText(Surface& device, TextRenderer& renderer, const FontAttributes& font, std::string_view text,
                    const Rect& rect, const DrawTextParams& params, Colour colour, const DeviceGrid& grid);

}  // namespace torvel
