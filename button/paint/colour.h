// Colour values of the button's properties.
#pragma once

#include <cstdint>

namespace torvel {

// Below 0x1000000 a plain colour 0x00BBGGRR (red in the low byte); any larger
// value names a system colour by its low 24 bits, written 0x80000000 + index.
using Colour = std::uint32_t;

constexpr Colour SystemColour(int index) { return 0x80000000u + static_cast<Colour>(index); }

constexpr Colour Rgb(int red, int green, int blue) {
    return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) | (static_cast<Colour>(blue) << 16);
}

// The system colours the button uses.
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;

}  // namespace torvel
