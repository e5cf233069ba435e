// The button's painter: the paint pipeline, its persistent surface and the
// geometry it keeps between repaints.
#include "button/paint/button_painter.h"

#include <algorithm>
#include <utility>

#include "button/paint/bevels.h"
#include "button/paint/colour_arithmetic.h"
#include "button/paint/content_layout.h"
#include "button/paint/draw_text.h"
#include "button/paint/image_pixels.h"
#include "button/paint/picture_drawing.h"
#include "button/paint/skin_region.h"
#include "button/paint/xp_skin.h"
#include "common/cp1251.h"

namespace torvel {

namespace {

bool HasPicture(const Picture& picture) { return !picture.isNone() && !picture.isEmpty(); }

}  // namespace

ButtonPainter::ButtonPainter(TextRenderer& text) : m_text(text) {}

void ButtonPainter::SetSurfaceColour(Colour colour) {
    m_surfaceColour = colour;
    m_surface.FillRect({0, 0, m_surface.width(), m_surface.height()}, m_palette.Resolve(colour));
}

void ButtonPainter::TrackBackColor(const PaintInput& input) {
    if (m_lastBackColor != input.BackColor) {
        m_lastBackColor = input.BackColor;
        SetSurfaceColour(input.BackColor);
    }
}

ResizeResult ButtonPainter::Resize(const PaintInput& input, int clientWidth, int clientHeight) {
    ResizeResult result;
    result.width = std::max(clientWidth, kMinimumSide);
    result.height = std::max(clientHeight, kMinimumSide);
    result.sizeCorrected = result.width != clientWidth || result.height != clientHeight;

    m_surfaceWidth = result.width;
    m_surfaceHeight = result.height;
    m_surface = Surface(result.width, result.height);
    m_focusRect = {4, 4, result.width - 4, result.height - 4};
    if (input.ButtonStyle == XPButton) {
        m_skinRegion = BuildSkinRegion(m_surfaceWidth, m_surfaceHeight);
        result.regionBuilt = true;
    }
    Refresh(input);
    return result;
}

void ButtonPainter::Refresh(const PaintInput& input) {
    TrackBackColor(input);
    SetSurfaceColour(m_surfaceColour);
    PaintBackground(input);
    if (input.ButtonStyle != NoBorder) PaintBorder(input);
    LayoutContent(input);
    DrawPicture(input);
    if (input.focused == 1 && input.ShowFocusRect && input.ButtonStyle != XPButton) {
        m_surface.DrawFocusRect(m_focusRect);
    }
    m_captionless = m_surface;
    DrawCaption(input);
}

Surface ButtonPainter::PaintForDevice(const DeviceGrid& grid) {
    if (grid.isIdentity()) return m_surface;
    Surface device = ScaleByBlocks(m_captionless, grid);
    DrawCaptionOn(device, grid);
    return device;
}

void ButtonPainter::PaintBackground(const PaintInput& input) {
    if (input.ButtonStyle == XPButton) return;
    if (input.ButtonStyle != XPToolbar) {
        if (input.TransparentBG) PaintParentBackground();
        return;
    }
    if (input.pressed == 1 || !input.TransparentBG) {
        SetSurfaceColour(input.BackColor);
    } else {
        PaintParentBackground();
    }
    const ColourParts highlight = SplitColor(m_palette.colour(COLOR_HIGHLIGHT));
    if (input.hovered == 1 && input.pressed == 0) {
        SetSurfaceColour(input.XPDefaultColors
                             ? ComposeColor(highlight.red + 171, highlight.green + 154, highlight.blue + 108)
                             : input.XPColor_Hover);
    }
    if (input.pressed == 1) {
        SetSurfaceColour(input.XPDefaultColors
                             ? ComposeColor(highlight.red + 156, highlight.green + 139, highlight.blue + 108)
                             : input.XPColor_Pressed);
    }
}

void ButtonPainter::PaintBorder(const PaintInput& input) {
    const Canvas c = canvas();
    if (!input.userMode) {
        // The look in a form designer: no state shows.
        if (input.ButtonStyle == XPButton) {
            DrawSkin(c, input, m_surfaceWidth, m_surfaceHeight, SkinState::Rest, false);
        } else if (input.ButtonStyle == XPToolbar) {
            PaintBackground(input);
        } else {
            DrawRaisedBorder(c, m_palette.Resolve(m_surfaceColour), input.BEVEL, input.BEVELDEPTH);
        }
        return;
    }
    switch (input.ButtonStyle) {
        case XPToolbar:
            if (input.hovered == 1 || input.XPShowBorderAlways) {
                c.DrawRect(0, 0, c.width(), c.height(), input.ForeColor, Canvas::Mode::Frame);
            }
            return;
        case XPButton:
            if (input.pressed == 1) {
                DrawSkin(c, input, m_surfaceWidth, m_surfaceHeight, SkinState::Pressed, false);
            } else {
                DrawSkin(c, input, m_surfaceWidth, m_surfaceHeight, SkinState::Rest, input.hovered == 1);
            }
            return;
        default:
            PaintStandardBorder(input);
    }
}

void ButtonPainter::PaintStandardBorder(const PaintInput& input) {
    const Canvas c = canvas();
    // The surface colour is BackColor unless an XPToolbar repaint left its
    // hover or pressed fill there.
    const Colour base = m_palette.Resolve(m_surfaceColour);
    const int bevel = input.BEVEL;
    const int depth = input.BEVELDEPTH;
    if (input.pressed == 1) DrawSunkenBorder(c, base, bevel, depth);
    if (input.hovered == 1 && input.pressed == 0) DrawRaisedBorder(c, base, bevel, depth);
    if (input.hovered == 0 && input.pressed == 0 && input.ButtonStyle == Standard) {
        DrawRaisedBorder(c, base, bevel, depth);
    }
    if (input.isDefault || (input.focused == 1 && input.ButtonStyle == Standard && input.pressed == 0)) {
        DrawDefaultFrame(c, base, bevel, depth);
    }
}

void ButtonPainter::LayoutContent(const PaintInput& input) {
    m_contentRect = ContentRectFor(m_surface.width(), m_surface.height());
    if (!HasPicture(input.picture)) {
        m_captionRect = m_contentRect;
        MeasureCaption(input);
        return;
    }
    if (input.Caption.empty()) {
        m_pictureRect = CentreRect(input.PictureWidth, input.PictureHeight, m_contentRect);
        return;
    }
    m_captionRect = m_contentRect;
    MeasureCaption(input);
    const ContentPlacement placement = PlaceContent(m_contentRect, input.PictureWidth, input.PictureHeight,
                                                    m_captionRect, input.PicturePosition, m_pictureRect);
    m_pictureRect = placement.picture;
    m_captionRect = placement.caption;
}

void ButtonPainter::MeasureCaption(const PaintInput& input) {
    Rect measured = m_captionRect;
    CalcTextRect(m_text, input.Font, CaptionBytes(input.Caption), measured, DrawTextParams{});
    m_captionRect = CentreRect(std::int64_t{measured.right} - measured.left,
                               std::int64_t{measured.bottom} - measured.top, m_contentRect);
}

void ButtonPainter::DrawPicture(const PaintInput& input) {
    const Picture::Type type = input.picture.type();
    if (!HasPicture(input.picture) || (type != Picture::Type::Bitmap && type != Picture::Type::Icon)) return;
    const bool toolbar = input.ButtonStyle == XPToolbar;
    const bool lifted = toolbar && input.hovered == 1 && input.pressed == 0;
    int offset = 0;
    if (lifted) {
        offset = -3;
    } else if (input.pressed == 1 && !toolbar) {
        offset = 1;
    }
    const Rect resting = m_pictureRect;
    const Rect moved = resting.moved(offset, offset);
    const Canvas c = canvas();
    const auto draw = type == Picture::Type::Bitmap ? DrawBitmapPicture : DrawIconPicture;
    if (!input.Enabled) {
        draw(c, input, PictureLook::Disabled, moved, false);
    } else if (lifted) {
        // A grey silhouette at the resting place, the picture lifted over it.
        draw(c, input, PictureLook::Disabled, resting, true);
        draw(c, input, PictureLook::Normal, moved, false);
    } else {
        draw(c, input, PictureLook::Normal, moved, false);
    }
}

void ButtonPainter::DrawCaption(const PaintInput& input) {
    m_caption.reset();
    if (input.Caption.empty()) return;
    CaptionPass pass;
    pass.rect = input.pressed == 1 && input.ButtonStyle != XPToolbar ? m_captionRect.moved(1, 1) : m_captionRect;
    pass.font = input.Font;
    if (input.Enabled) {
        pass.colour = m_palette.Resolve(input.ForeColor);
    } else {
        pass.colour = m_palette.colour(COLOR_BTNSHADOW);
        pass.highlight = m_palette.colour(COLOR_BTNHIGHLIGHT);
    }
    pass.text = CaptionBytes(input.Caption);
    m_caption = std::move(pass);
    DrawCaptionOn(m_surface, DeviceGrid{});
}

void ButtonPainter::DrawCaptionOn(Surface& target, const DeviceGrid& grid) {
    if (!m_caption) return;
    const DrawTextParams params;
    // Embossed: the highlight one pixel right and down, the shadow on top.
    if (m_caption->highlight) {
        DrawWrappedText(target, m_text, m_caption->font, m_caption->text, m_caption->rect.moved(1, 1), params,
                        *m_caption->highlight, grid);
    }
    DrawWrappedText(target, m_text, m_caption->font, m_caption->text, m_caption->rect, params, m_caption->colour, grid);
}

void ButtonPainter::PaintParentBackground() {
    // Without a parent picture, or where the button reaches beyond it, the
    // surface keeps its colour.
    if (m_parent == nullptr) return;
    const Image* picture = m_parent->BackgroundPicture();
    if (picture == nullptr) return;
    const Point at = m_parent->ButtonPosition();
    CopyImageBlock(m_surface, 0, 0, m_surface.width(), m_surface.height(), *picture, at.x, at.y);
}

const std::string& ButtonPainter::CaptionBytes(const std::string& utf8) {
    if (utf8 != m_captionUtf8) {
        m_captionUtf8 = utf8;
        m_captionBytes = Utf8ToCp1251(utf8);
    }
    return m_captionBytes;
}

}  // namespace torvel
