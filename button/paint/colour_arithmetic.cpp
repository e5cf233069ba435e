// Colour arithmetic of the painter: splitting, shading and lightening.
#include "button/paint/colour_arithmetic.h"

#include <algorithm>
#include <cstdint>

namespace torvel {

namespace {

// Components are summed in 64 bits so that any amount is safe to add.
int Clamp(std::int64_t component) { return static_cast<int>(std::clamp<std::int64_t>(component, 0, 255)); }

}  // namespace

ColourParts SplitColor(Colour plain) {
    const auto blue = static_cast<int>(plain / 65536);
    const auto green = static_cast<int>((plain - static_cast<Colour>(blue) * 65536) / 256);
    const auto red = static_cast<int>(plain - static_cast<Colour>(blue) * 65536 - static_cast<Colour>(green) * 256);
    return {red, green, blue};
}

Colour ComposeColor(int red, int green, int blue) { return Rgb(Clamp(red), Clamp(green), Clamp(blue)); }

Colour ShadeColor(Colour plain, int amount) {
    const std::int64_t red = plain & 0xFF;
    const std::int64_t green = (plain / 256) % 256;
    const std::int64_t blue = (plain / 65536) % 256;
    // C++ division truncates toward zero, as the blue rule wants.
    return Rgb(Clamp(red + amount), Clamp(green + amount), Clamp(blue + blue * amount / 192));
}

Colour Lighten(Colour plain, int amount) {
    const ColourParts parts = SplitColor(plain);
    return Rgb(Clamp(std::int64_t{parts.red} + amount), Clamp(std::int64_t{parts.green} + amount),
               Clamp(std::int64_t{parts.blue} + amount));
}

}  // namespace torvel
