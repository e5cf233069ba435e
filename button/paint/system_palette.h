// The system colours and the resolution of colour values.
#pragma once

#include <array>

#include "button/paint/colour.h"

namespace torvel {

// The plain colours of system colour indices 0..30. A painter holds one, so
// that a different desktop scheme can be put in its place.
class SystemPalette {
public:
    static constexpr int kSize = 31;

    // The blue desktop scheme the program is drawn in.
    static const SystemPalette& Standard();

    // Black for an index the palette does not hold.
    Colour colour(int index) const;
    void setColour(int index, Colour plain);

    // A colour value below 0x1000000 (compared unsigned) is a plain colour and
    // is returned unchanged; any other names the system colour of its low 24
    // bits.
    Colour Resolve(Colour value) const;

private:
    std::array<Colour, kSize> m_colours{};
};

// Resolve through the standard palette.
Colour ResolveColor(Colour value);

}  // namespace torvel
