// Everything the painter reads from a button for one repaint.
#pragma once

#include <cstdint>
#include <string>

#include "button/paint/colour.h"
#include "button/paint/font_attributes.h"
#include "button/paint/picture.h"

namespace torvel {

enum ButtonStyleValue : std::int32_t { Standard = 0, Flat = 1, XPToolbar = 2, XPButton = 3, NoBorder = 4 };
enum PicturePositionValue : std::int32_t { PictureAbove = 0, PictureLeft = 1, PictureRight = 2, PictureBelow = 3 };

struct PaintInput {
    // Properties.
    std::int32_t ButtonStyle = XPToolbar;
    Colour BackColor = SystemColour(COLOR_BTNFACE);
    Colour ForeColor = SystemColour(COLOR_BTNTEXT);
    bool Enabled = true;
    std::string Caption;  // UTF-8
    FontAttributes Font;
    bool ShowFocusRect = true;
    std::int16_t BEVEL = 1;
    std::int16_t BEVELDEPTH = 8;
    bool TransparentBG = false;
    bool XPShowBorderAlways = false;
    bool XPDefaultColors = true;
    Colour XPColor_Pressed = SystemColour(COLOR_BTNHIGHLIGHT);
    Colour XPColor_Hover = SystemColour(COLOR_3DLIGHT);
    Picture picture;  // the `Picture` property: what is shown now
    std::int32_t PictureWidth = 32;
    std::int32_t PictureHeight = 32;
    std::int32_t OriginalPicSizeW = 0;
    std::int32_t OriginalPicSizeH = 0;
    std::int32_t PicturePosition = PictureLeft;
    Colour MaskColor = 0;

    // Interaction state, never changed by the painter.
    std::uint8_t focused = 0;
    std::uint8_t pressed = 0;
    std::uint8_t hovered = 0;

    // What the container says about the button.
    bool isDefault = false;  // the form's default button
    bool userMode = true;    // running, not shown in a form designer
};

}  // namespace torvel
