// Turning the button's colour values into Qt colours.
#include "button/qt/qt_system_colour.h"

#include <QGuiApplication>
#include <QPalette>

namespace torvel {

namespace {

// The palette role that plays the part of each system colour the button uses.
QPalette::ColorRole RoleOf(int index) {
    switch (index) {
        case COLOR_WINDOW:
            return QPalette::Base;
        case COLOR_HIGHLIGHT:
            return QPalette::Highlight;
        case COLOR_BTNSHADOW:
            return QPalette::Dark;
        case COLOR_BTNTEXT:
            return QPalette::ButtonText;
        case COLOR_BTNHIGHLIGHT:
            return QPalette::Light;
        case COLOR_3DDKSHADOW:
            return QPalette::Shadow;
        case COLOR_3DLIGHT:
            return QPalette::Midlight;
        default:
            return QPalette::Button;  // COLOR_BTNFACE and the rest
    }
}

}  // namespace

QColor QColorFromColour(Colour colour) {
    if (colour < 0x1000000u) return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    return QGuiApplication::palette().color(QPalette::Active, RoleOf(static_cast<int>(colour & 0xFFFFFF)));
}

}  // namespace torvel
