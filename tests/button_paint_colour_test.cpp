// The painter's colour arithmetic and system colours, from worked examples.
#include <gtest/gtest.h>

#include "button/paint/colour_arithmetic.h"
#include "button/paint/system_palette.h"
#include "button/paint/xp_skin.h"

namespace torvel {
namespace {

TEST(ColourArithmetic, ShadeMovesRedAndGreenFullyAndBlueInProportion) {
    struct Case {
        Colour colour;
        int amount;
        Colour expected;
    };
    const Case cases[] = {
        {Rgb(192, 192, 192), 48, Rgb(240, 240, 240)},
        {Rgb(128, 128, 128), -24, Rgb(104, 104, 112)},
        {Rgb(192, 192, 192), -8, Rgb(184, 184, 184)},
        {Rgb(184, 184, 184), -8, Rgb(176, 176, 177)},
        {Rgb(176, 176, 177), -8, Rgb(168, 168, 170)},
        // Blue's share is truncated toward zero both ways: 100 * 5 / 192 = 2.6.
        {Rgb(0, 0, 100), 5, Rgb(5, 5, 102)},
        {Rgb(0, 0, 100), -5, Rgb(0, 0, 98)},
        // Every component is clamped to 0..255.
        {Rgb(250, 10, 250), 20, Rgb(255, 30, 255)},
        {Rgb(5, 200, 10), -30, Rgb(0, 170, 9)},
        {Rgb(1, 2, 3), 100000, Rgb(255, 255, 255)},
        {Rgb(255, 255, 255), -100000, Rgb(0, 0, 0)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShadeColor(c.colour, c.amount), c.expected) << std::hex << c.colour << " by " << std::dec << c.amount;
    }
}

TEST(ColourArithmetic, LightenAddsToEachComponentWithinRange) {
    struct Case {
        Colour colour;
        int amount;
        Colour expected;
    };
    const Case cases[] = {
        {Rgb(192, 192, 192), 8, Rgb(200, 200, 200)},
        {Rgb(200, 200, 200), 8, Rgb(208, 208, 208)},
        {Rgb(250, 100, 0), 10, Rgb(255, 110, 10)},
        {Rgb(3, 100, 200), -10, Rgb(0, 90, 190)},
    };
    for (const Case& c : cases) EXPECT_EQ(Lighten(c.colour, c.amount), c.expected) << std::hex << c.colour;
}

TEST(ColourArithmetic, SplitAndComposeColour) {
    EXPECT_EQ(SplitColor(Rgb(49, 106, 197)), (ColourParts{49, 106, 197}));
    EXPECT_EQ(SplitColor(0), (ColourParts{0, 0, 0}));
    EXPECT_EQ(SplitColor(0xFFFFFF), (ColourParts{255, 255, 255}));
    EXPECT_EQ(ComposeColor(49 + 171, 106 + 154, 197 + 108), Rgb(220, 255, 255));
    EXPECT_EQ(ComposeColor(-4, 300, 7), Rgb(0, 255, 7));
}

TEST(SystemColours, ResolveLooksUpTheBlueSchemeAndPassesPlainColours) {
    struct Case {
        Colour value;
        Colour expected;
    };
    const Case cases[] = {
        {SystemColour(COLOR_BTNFACE), Rgb(236, 233, 216)},
        {SystemColour(COLOR_BTNTEXT), Rgb(0, 0, 0)},
        {SystemColour(COLOR_3DLIGHT), Rgb(241, 239, 226)},
        {SystemColour(COLOR_BTNHIGHLIGHT), Rgb(255, 255, 255)},
        {SystemColour(COLOR_BTNSHADOW), Rgb(172, 168, 153)},
        {SystemColour(COLOR_3DDKSHADOW), Rgb(113, 111, 100)},
        {SystemColour(COLOR_HIGHLIGHT), Rgb(49, 106, 197)},
        {SystemColour(COLOR_WINDOW), Rgb(255, 255, 255)},
        {SystemColour(0), Rgb(212, 208, 200)},
        {SystemColour(26), Rgb(0, 0, 128)},
        {SystemColour(30), Rgb(236, 233, 216)},
        // Unknown indices are black.
        {SystemColour(31), 0},
        {SystemColour(0xFFFFFF), 0},
        // Any value from 0x1000000 up names the index in its low 24 bits.
        {0x01000005u, Rgb(255, 255, 255)},
        {0xFF00000Du, Rgb(49, 106, 197)},
        // Plain colours pass unchanged, up to 0xFFFFFF.
        {Rgb(1, 2, 3), Rgb(1, 2, 3)},
        {0x00FFFFFFu, 0x00FFFFFFu},
        {0x8000000Fu - 0x80000000u, 0x0000000Fu},
    };
    for (const Case& c : cases) EXPECT_EQ(ResolveColor(c.value), c.expected) << std::hex << c.value;
}

TEST(SystemColours, APaletteCanBeChanged) {
    SystemPalette palette = SystemPalette::Standard();
    palette.setColour(COLOR_HIGHLIGHT, Rgb(0, 0, 128));
    palette.setColour(40, Rgb(1, 1, 1));  // outside the palette: ignored
    EXPECT_EQ(palette.Resolve(SystemColour(COLOR_HIGHLIGHT)), Rgb(0, 0, 128));
    EXPECT_EQ(palette.Resolve(SystemColour(40)), 0u);
    EXPECT_EQ(ResolveColor(SystemColour(COLOR_HIGHLIGHT)), Rgb(49, 106, 197));
}

TEST(SkinGradient, RowsFollowTheWorkedExampleAndRoundHalvesToEven) {
    struct Case {
        SkinState state;
        int height;
        int row;
        Colour expected;
    };
    const Colour back = Rgb(192, 192, 192);
    const Case cases[] = {
        {SkinState::Rest, 29, 1, Rgb(239, 239, 239)},
        {SkinState::Rest, 29, 14, Rgb(228, 228, 225)},
        {SkinState::Rest, 29, 28, Rgb(216, 216, 210)},
        {SkinState::Rest, 29, 29, Rgb(215, 215, 209)},
        // Pressed: D = (208, 208, 200) at the bottom, 15 steps darker at the top.
        {SkinState::Pressed, 29, 28, Rgb(207, 207, 199)},
        {SkinState::Pressed, 29, 0, Rgb(193, 193, 185)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SkinRowColour(c.state, back, c.height, c.row), c.expected)
            << "row " << c.row << " of " << c.height << " pressed " << (c.state == SkinState::Pressed);
    }
    struct StepCase {
        int steps;
        int height;
        int i;
        int expected;
    };
    const StepCase steps[] = {
        {25, 29, 1, 1},
        {25, 29, 14, 12},
        {25, 29, 28, 24},
        // k = 0.5: 0.5 rounds to 0, 1.5 to 2, 2.5 to 2.
        {25, 50, 1, 0},
        {25, 50, 3, 2},
        {25, 50, 5, 2},
        {25, 50, 7, 4},
        {15, 10, 1, 2},
        {15, 10, 3, 4},
        {15, 10, 10, 15},
    };
    for (const StepCase& s : steps) {
        EXPECT_EQ(GradientStep(s.steps, s.height, s.i), s.expected) << s.steps << "/" << s.height << " x " << s.i;
    }
}

}  // namespace
}  // namespace torvel
