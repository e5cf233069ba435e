// The skin of the XPButton style: gradient, outline, rings, disabled look.
#include "button/paint/xp_skin.h"

#include <cmath>
#include <initializer_list>

#include "button/paint/colour_arithmetic.h"

namespace torvel {

namespace {

using Mode = Canvas::Mode;

struct SkinLine {
    int x1, y1, x2, y2;
    Colour colour;
};

void DrawLines(const Canvas& canvas, std::initializer_list<SkinLine> lines) {
    for (const SkinLine& l : lines) canvas.DrawLine(l.x1, l.y1, l.x2, l.y2, l.colour);
}

// The dark outline; with the window shape, which cuts three pixels from each
// corner, the four inner corner pixels give a one-pixel diagonal step.
void DrawOutline(const Canvas& canvas, int w, int h, Colour frame, Colour corners) {
    canvas.DrawRect(0, 0, w, h, frame, Mode::Frame);
    canvas.SetPixel(1, 1, corners);
    canvas.SetPixel(1, h - 2, corners);
    canvas.SetPixel(w - 2, 1, corners);
    canvas.SetPixel(w - 2, h - 2, corners);
}

// A ring in one colour family: the frame, then its lit and shaded edges.
void DrawRing(const Canvas& canvas, int w, int h, Colour frame, Colour plain, int bottom, int top, int second,
              int sides) {
    canvas.DrawRect(1, 2, w - 1, h - 2, frame, Mode::Frame);
    DrawLines(canvas, {
                          {2, h - 2, w - 2, h - 2, ShadeColor(plain, bottom)},
                          {2, 1, w - 2, 1, ShadeColor(plain, top)},
                          {1, 2, w - 1, 2, ShadeColor(plain, second)},
                          {2, 3, 2, h - 3, ShadeColor(plain, sides)},
                          {w - 3, 3, w - 3, h - 3, ShadeColor(plain, sides)},
                      });
}

void DrawDisabled(const Canvas& canvas, const PaintInput& input, int w, int h) {
    const Colour light = ShadeColor(canvas.Resolve(input.BackColor), 48);
    canvas.DrawRect(0, 0, w, h, ShadeColor(light, -24), Mode::Fill);
    DrawOutline(canvas, w, h, ShadeColor(light, -84), ShadeColor(light, -72));
}

void DrawRest(const Canvas& canvas, const PaintInput& input, int w, int h, bool hoverRing) {
    const Colour back = canvas.Resolve(input.BackColor);
    const Colour light = ShadeColor(back, 48);
    // Row 0 keeps BackColor until the outline covers it.
    for (int i = 1; i <= h; ++i) canvas.DrawLine(0, i, w, i, SkinRowColour(SkinState::Rest, back, h, i));
    DrawOutline(canvas, w, h, SystemColour(COLOR_3DDKSHADOW), canvas.System(COLOR_3DDKSHADOW));

    const Colour focus = input.XPDefaultColors ? Rgb(140, 170, 230) : input.XPColor_Pressed;
    const Colour hover = input.XPDefaultColors ? Rgb(225, 153, 71) : input.XPColor_Hover;
    if (input.focused == 1) {
        DrawRing(canvas, w, h, focus, canvas.Resolve(focus), -33, 65, 50, 31);
    } else {
        DrawLines(canvas, {
                              {2, h - 2, w - 2, h - 2, ShadeColor(light, -48)},
                              {1, h - 3, w - 2, h - 3, ShadeColor(light, -32)},
                              {w - 2, 2, w - 2, h - 2, ShadeColor(light, -36)},
                              {w - 3, 3, w - 3, h - 3, ShadeColor(light, -24)},
                              {2, 1, w - 2, 1, ShadeColor(light, 16)},
                              {1, 2, w - 2, 2, ShadeColor(light, 10)},
                              {1, 2, 1, h - 2, ShadeColor(light, -5)},
                              {2, 3, 2, h - 3, ShadeColor(light, -10)},
                          });
    }
    if (hoverRing) DrawRing(canvas, w, h, hover, canvas.Resolve(hover), -40, 90, 35, 20);
}

void DrawPressed(const Canvas& canvas, const PaintInput& input, int w, int h) {
    const Colour back = canvas.Resolve(input.BackColor);
    const Colour dark = ShadeColor(ShadeColor(back, 48), -32);
    for (int i = 1; i <= h; ++i) canvas.DrawLine(0, h - i, w, h - i, SkinRowColour(SkinState::Pressed, back, h, h - i));
    DrawOutline(canvas, w, h, SystemColour(COLOR_3DDKSHADOW), canvas.System(COLOR_3DDKSHADOW));
    DrawLines(canvas, {
                          {2, h - 2, w - 2, h - 2, ShadeColor(dark, 16)},
                          {1, h - 3, w - 2, h - 3, ShadeColor(dark, 10)},
                          {w - 2, 2, w - 2, h - 2, ShadeColor(dark, 5)},
                          {w - 3, 3, w - 3, h - 3, dark},
                          {2, 1, w - 2, 1, ShadeColor(dark, -32)},
                          {1, 2, w - 2, 2, ShadeColor(dark, -24)},
                          {1, 2, 1, h - 2, ShadeColor(dark, -32)},
                          {2, 2, 2, h - 2, ShadeColor(dark, -22)},
                      });
}

}  // namespace

int GradientStep(int steps, int height, int i) {
    if (height <= 0) return 0;
    const float k = static_cast<float>(steps) / static_cast<float>(height);
    const double x = static_cast<double>(k) * i;
    const double low = std::floor(x);
    const double fraction = x - low;
    auto n = static_cast<int>(low);
    if (fraction > 0.5 || (fraction == 0.5 && n % 2 != 0)) ++n;
    return n;
}

Colour SkinRowColour(SkinState state, Colour back, int height, int row) {
    const Colour light = ShadeColor(back, 48);
    if (state == SkinState::Rest) return ShadeColor(light, -GradientStep(25, height, row));
    // Lightest at the bottom: row height - i takes step i.
    return ShadeColor(ShadeColor(light, -32), -GradientStep(15, height, height - row));
}

void DrawSkin(const Canvas& canvas, const PaintInput& input, int width, int height, SkinState state, bool hoverRing) {
    canvas.DrawRect(0, 0, width, height, input.BackColor, Mode::Fill);
    if (!input.Enabled) {
        DrawDisabled(canvas, input, width, height);
    } else if (state == SkinState::Pressed) {
        DrawPressed(canvas, input, width, height);
    } else {
        DrawRest(canvas, input, width, height, hoverRing);
    }
}

}  // namespace torvel
