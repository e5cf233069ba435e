// The system colours and the resolution of colour values.
#include "button/paint/system_palette.h"

namespace torvel {

namespace {

SystemPalette MakeStandard() {
    // Indices 0..30 of the blue desktop scheme, in index order.
    constexpr std::array<Colour, SystemPalette::kSize> kBlue = {
        Rgb(212, 208, 200),  //  0 scroll bar
        Rgb(0, 78, 152),     //  1 desktop background
        Rgb(0, 84, 227),     //  2 active caption
        Rgb(122, 150, 223),  //  3 inactive caption
        Rgb(255, 255, 255),  //  4 menu
        Rgb(255, 255, 255),  //  5 window
        Rgb(0, 0, 0),        //  6 window frame
        Rgb(0, 0, 0),        //  7 menu text
        Rgb(0, 0, 0),        //  8 window text
        Rgb(255, 255, 255),  //  9 caption text
        Rgb(212, 208, 200),  // 10 active border
        Rgb(212, 208, 200),  // 11 inactive border
        Rgb(128, 128, 128),  // 12 application workspace
        Rgb(49, 106, 197),   // 13 highlight
        Rgb(255, 255, 255),  // 14 highlight text
        Rgb(236, 233, 216),  // 15 button face
        Rgb(172, 168, 153),  // 16 button shadow
        Rgb(172, 168, 153),  // 17 grey text
        Rgb(0, 0, 0),        // 18 button text
        Rgb(216, 228, 248),  // 19 inactive caption text
        Rgb(255, 255, 255),  // 20 button highlight
        Rgb(113, 111, 100),  // 21 3D dark shadow
        Rgb(241, 239, 226),  // 22 3D light
        Rgb(0, 0, 0),        // 23 tooltip text
        Rgb(255, 255, 225),  // 24 tooltip background
        Rgb(181, 181, 181),  // 25 alternate button face
        Rgb(0, 0, 128),      // 26 hot-tracked item
        Rgb(61, 149, 255),   // 27 active caption gradient
        Rgb(157, 185, 235),  // 28 inactive caption gradient
        Rgb(49, 106, 197),   // 29 menu highlight
        Rgb(236, 233, 216),  // 30 menu bar
    };
    SystemPalette palette;
    for (int i = 0; i < SystemPalette::kSize; ++i) palette.setColour(i, kBlue[static_cast<std::size_t>(i)]);
    return palette;
}

}  // namespace

const SystemPalette& SystemPalette::Standard() {
    static const SystemPalette kStandard = MakeStandard();
    return kStandard;
}

Colour SystemPalette::colour(int index) const {
    if (index < 0 || index >= kSize) return 0;
    return m_colours[static_cast<std::size_t>(index)];
}

void SystemPalette::setColour(int index, Colour plain) {
    if (index >= 0 && index < kSize) m_colours[static_cast<std::size_t>(index)] = plain;
}

Colour SystemPalette::Resolve(Colour value) const {
    if (value < 0x1000000u) return value;
    return colour(static_cast<int>(value & 0xFFFFFFu));
}

Colour ResolveColor(Colour value) { return SystemPalette::Standard().Resolve(value); }

}  // namespace torvel
