// The button's painter: the paint pipeline, its persistent surface and the
// geometry it keeps between repaints.
#pragma once

#include <optional>
#include <string>

#include "button/paint/canvas.h"
#include "button/paint/device_grid.h"
#include "button/paint/paint_input.h"
#include "button/paint/parent_background.h"
#include "button/paint/rect.h"
#include "button/paint/region.h"
#include "button/paint/surface.h"
#include "button/paint/system_palette.h"
#include "button/paint/text_renderer.h"

namespace torvel {

// What a resize asks of the widget that hosts the painter.
struct ResizeResult {
    int width = 0;  // the size the control must have: its size, each side at least kMinimumSide
    int height = 0;
    bool sizeCorrected = false;  // a side was below kMinimumSide: resize the control to width x height
    bool regionBuilt = false;    // skinRegion() holds a new window shape to apply
};

// Every repaint redraws the whole surface from a PaintInput; the painter
// never changes the state flags it reads. The surface, its colour, the
// rectangles and the window shape are all it keeps.
class ButtonPainter {
public:
    static constexpr int kMinimumSide = 10;

    explicit ButtonPainter(TextRenderer& text);

    // The parent window for TransparentBG; nullptr (the default) means the
    // button has none, and its surface colour shows instead.
    void SetParentBackground(const ParentBackground* parent) { m_parent = parent; }

    // The system colours used to resolve colour values.
    void SetSystemPalette(const SystemPalette& palette) { m_palette = palette; }

    // The surface's back colour; setting it clears the surface. The painter
    // sets it to BackColor whenever a PaintInput brings a BackColor different
    // from the last one, as the BackColor setter does.
    void SetSurfaceColour(Colour colour);
    Colour surfaceColour() const { return m_surfaceColour; }

    // The control's resize steps for a new client size: sides below
    // kMinimumSide are set back to it, the surface takes the size, the focus
    // rectangle follows, the XPButton style gets a new window shape, and the
    // button is repainted.
    ResizeResult Resize(const PaintInput& input, int clientWidth, int clientHeight);

    // Repaints the whole surface: background, border, layout, picture, focus
    // rectangle, caption.
    void Refresh(const PaintInput& input);

    const Surface& surface() const { return m_surface; }

    // The last repaint for a screen of the grid's device pixel ratio: the
    // background, border, skin, picture and focus rectangle as blocks of
    // whole device pixels (each pixel of surface() over its block), and the
    // caption drawn at the device's own resolution into the same rectangle.
    // With the identity grid it is surface() itself.
    Surface PaintForDevice(const DeviceGrid& grid);
    int surfaceWidth() const { return m_surfaceWidth; }
    int surfaceHeight() const { return m_surfaceHeight; }
    const Rect& focusRect() const { return m_focusRect; }
    const Rect& contentRect() const { return m_contentRect; }
    const Rect& captionRect() const { return m_captionRect; }
    const Rect& pictureRect() const { return m_pictureRect; }

    // The window shape built last (XPButton only); it stays in force until
    // another is built, whatever the style becomes.
    const std::optional<Region>& skinRegion() const { return m_skinRegion; }

private:
    Canvas canvas() { return Canvas(m_surface, m_palette); }
    void TrackBackColor(const PaintInput& input);
    void PaintBackground(const PaintInput& input);
    void PaintBorder(const PaintInput& input);
    void PaintStandardBorder(const PaintInput& input);
    void LayoutContent(const PaintInput& input);
    void MeasureCaption(const PaintInput& input);
    void DrawPicture(const PaintInput& input);
    void DrawCaption(const PaintInput& input);
    void DrawCaptionOn(Surface& target, const DeviceGrid& grid);
    void PaintParentBackground();
    const std::string& CaptionBytes(const std::string& utf8);

    TextRenderer& m_text;
    const ParentBackground* m_parent = nullptr;
    SystemPalette m_palette = SystemPalette::Standard();
    Surface m_surface;
    Colour m_surfaceColour = SystemColour(COLOR_BTNFACE);
    std::optional<Colour> m_lastBackColor;
    int m_surfaceWidth = 0;
    int m_surfaceHeight = 0;
    Rect m_focusRect;
    Rect m_contentRect;
    Rect m_captionRect;
    Rect m_pictureRect;
    std::optional<Region> m_skinRegion;
    // The last repaint before its caption, and how its caption was drawn,
    // for painting it again at a device's resolution.
    struct CaptionPass {
        std::string text;  // in the code page of the text calls
        Rect rect;         // the pressed offset applied
        FontAttributes font;
        Colour colour = 0;                  // the ink; the shadow of the embossed look
        std::optional<Colour> highlight;    // the embossed look: drawn one pixel right and down first
    };
    Surface m_captionless;
    std::optional<CaptionPass> m_caption;
    // The caption in the code page of the text calls, converted once per
    // caption.
    std::string m_captionUtf8;
    std::string m_captionBytes;
};

}  // namespace torvel
