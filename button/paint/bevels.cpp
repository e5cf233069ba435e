// The raised and sunken borders, the bevels and the default-button frame.
#include "button/paint/bevels.h"

#include "button/paint/colour_arithmetic.h"

namespace torvel {

namespace {

using Mode = Canvas::Mode;

// Each step turns the previous ring's colour into the next one's.
template <typename FrameStep, typename LineStep>
void DrawBevel(const Canvas& canvas, Colour base, int rings, FrameStep frameStep, LineStep lineStep) {
    const int w = canvas.width();
    const int h = canvas.height();
    Colour c = base;
    for (int i = rings; i >= 0; --i) {
        c = frameStep(c);
        canvas.DrawRect(i, i, w - i, h - i, c, Mode::Frame);
    }
    c = base;
    for (int i = rings; i >= 0; --i) {
        c = lineStep(c);
        canvas.DrawLine(i, i, w - i - 1, i, c);
        canvas.DrawLine(i, i, i, h - i - 1, c);
    }
}

// Two frames, the second one pixel larger so that its right and bottom sides
// fall outside the surface: `inner` stays on the right and bottom edges,
// `outer` takes the left and top ones.
void DrawOnePixelBorder(const Canvas& canvas, int right, int bottom, int inner, int outer) {
    canvas.DrawRect(0, 0, right, bottom, SystemColour(inner), Mode::Frame);
    canvas.DrawRect(0, 0, canvas.width() + 1, canvas.height() + 1, SystemColour(outer), Mode::Frame);
}

}  // namespace

void DrawRaisedBevel(const Canvas& canvas, Colour base, int rings, int depth) {
    DrawBevel(
        canvas, base, rings, [depth](Colour c) { return ShadeColor(c, -depth); },
        [depth](Colour c) { return Lighten(c, depth); });
}

void DrawSunkenBevel(const Canvas& canvas, Colour base, int rings, int depth) {
    DrawBevel(
        canvas, base, rings, [depth](Colour c) { return Lighten(c, depth); },
        [depth](Colour c) { return ShadeColor(c, -depth); });
}

void DrawDefaultFrame(const Canvas& canvas, Colour base, int bevel, int depth) {
    if (bevel >= 2) {
        DrawRaisedBevel(canvas, base, bevel, depth + 3);
        return;
    }
    DrawOnePixelBorder(canvas, canvas.width() - 1, canvas.height() - 1, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
}

void DrawRaisedBorder(const Canvas& canvas, Colour base, int bevel, int depth) {
    if (bevel >= 2) {
        DrawRaisedBevel(canvas, base, bevel, depth);
        return;
    }
    DrawOnePixelBorder(canvas, canvas.width(), canvas.height(), COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
}

void DrawSunkenBorder(const Canvas& canvas, Colour base, int bevel, int depth) {
    if (bevel >= 2) {
        DrawSunkenBevel(canvas, base, bevel, depth);
        return;
    }
    DrawOnePixelBorder(canvas, canvas.width(), canvas.height(), COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
}

}  // namespace torvel
