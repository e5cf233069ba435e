// The text shaping the painter needs: font metrics, line widths, drawing.
#pragma once

#include <string_view>

#include "button/paint/colour.h"
#include "button/paint/font_attributes.h"
#include "button/paint/rect.h"
#include "button/paint/surface.h"

namespace torvel {

struct TextMetrics {
    int height = 0;            // of one line: ascent + descent
    int ascent = 0;            // from a line's top to its baseline
    int averageCharWidth = 0;  // the unit of the text margins
};

// Implemented on the Qt side for the screen, and by simple fakes in tests.
// Text is UTF-8 and holds no line breaks.
class TextRenderer {
public:
    virtual ~TextRenderer() = default;

    virtual TextMetrics Metrics(const FontAttributes& font) = 0;

    // The advance width of one line of text in pixels.
    virtual int Width(const FontAttributes& font, std::string_view text) = 0;

    // Draws one line whose top-left corner is `origin`, in `colour`, with no
    // background, touching only the pixels inside `clip`.
    virtual void Draw(Surface& surface, const FontAttributes& font, std::string_view text, Point origin, Colour colour,
                      const Rect& clip) = 0;

    // Draw on a screen's device surface with `scale` device pixels to each
    // pixel of the font's size: `origin` and `clip` are device pixels, and the
    // glyphs are shaped and placed at the device's own resolution. A scale of
    // 1 is Draw.
    virtual void DrawAtScale(Surface& device, const FontAttributes& font, std::string_view text, Point origin,
                             Colour colour, const Rect& clip, double scale) = 0;
};

}  // namespace torvel
