// Pixel tests of the paint pipeline: styles, states, skin, caption, pictures.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "button/paint/button_painter.h"
#include "button/paint/colour_arithmetic.h"
#include "button_paint_fake_text.h"

namespace torvel {
namespace {

using testing::FakeTextRenderer;

constexpr Colour kFace = Rgb(236, 233, 216);
constexpr Colour kHighlight = Rgb(255, 255, 255);
constexpr Colour kShadow = Rgb(172, 168, 153);
constexpr Colour kDarkShadow = Rgb(113, 111, 100);
constexpr Colour kSilver = Rgb(192, 192, 192);
constexpr Colour kRed = Rgb(200, 0, 0);

struct Flags {
    bool focused = false;
    bool pressed = false;
    bool hovered = false;
    bool isDefault = false;
    bool disabled = false;
};

PaintInput Input(int style, Flags flags = {}, std::string caption = "") {
    PaintInput in;
    in.ButtonStyle = style;
    in.Caption = std::move(caption);
    in.focused = flags.focused ? 1 : 0;
    in.pressed = flags.pressed ? 1 : 0;
    in.hovered = flags.hovered ? 1 : 0;
    in.isDefault = flags.isDefault;
    in.Enabled = !flags.disabled;
    return in;
}

// A bitmap whose every pixel has its own colour, none black or white.
Image NumberedImage(int w, int h) {
    Image image{w, h, {}};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            image.pixels.push_back(0xFF000000u | (60u + 20u * x) << 16 | (60u + 20u * y) << 8 | 99u);
    }
    return image;
}

Colour ImageColour(const Image& image, int x, int y) {
    const std::uint32_t argb = image.at(x, y);
    return Rgb(static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF),
               static_cast<int>(argb & 0xFF));
}

void SetPicture(PaintInput& in, const Image& image, Picture::Type type = Picture::Type::Bitmap) {
    in.picture = Picture::FromImage(type, image);
    in.PictureWidth = in.OriginalPicSizeW = image.width;
    in.PictureHeight = in.OriginalPicSizeH = image.height;
}

class PainterTest : public ::testing::Test {
protected:
    const Surface& Paint(const PaintInput& in, int w, int h) {
        painter.Resize(in, w, h);
        return painter.surface();
    }

    FakeTextRenderer text;
    ButtonPainter painter{text};
};

// The bounding box of the pixels in `colour`, or nothing.
std::optional<Rect> BoundsOf(const Surface& s, Colour colour) {
    std::optional<Rect> box;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            if (s.pixel(x, y) != colour) continue;
            if (!box) box = Rect{x, y, x + 1, y + 1};
            box->left = std::min(box->left, x);
            box->top = std::min(box->top, y);
            box->right = std::max(box->right, x + 1);
            box->bottom = std::max(box->bottom, y + 1);
        }
    }
    return box;
}

TEST_F(PainterTest, SidesBelowTenPixelsAreSetBackToTen) {
    struct Case {
        int w, h;
        ResizeResult expected;
        Rect focus;
    };
    const Case cases[] = {
        {5, 40, {10, 40, true, false}, {4, 4, 6, 36}},
        {0, -3, {10, 10, true, false}, {4, 4, 6, 6}},
        {10, 10, {10, 10, false, false}, {4, 4, 6, 6}},
        {120, 29, {120, 29, false, false}, {4, 4, 116, 25}},
    };
    for (const Case& c : cases) {
        const ResizeResult r = painter.Resize(Input(Standard), c.w, c.h);
        EXPECT_EQ(r.width, c.expected.width);
        EXPECT_EQ(r.height, c.expected.height);
        EXPECT_EQ(r.sizeCorrected, c.expected.sizeCorrected) << c.w << " x " << c.h;
        EXPECT_FALSE(r.regionBuilt);
        EXPECT_EQ(painter.surface().width(), c.expected.width);
        EXPECT_EQ(painter.surfaceHeight(), c.expected.height);
        EXPECT_EQ(painter.focusRect(), c.focus);
    }
}

TEST_F(PainterTest, XPButtonResizeBuildsTheShapeWhichOutlastsAStyleChange) {
    const ResizeResult r = painter.Resize(Input(XPButton), 120, 29);
    EXPECT_TRUE(r.regionBuilt);
    ASSERT_TRUE(painter.skinRegion().has_value());
    EXPECT_EQ(painter.skinRegion()->Area(), 120 * 29 - 12);
    EXPECT_FALSE(painter.skinRegion()->Contains(0, 0));
    EXPECT_FALSE(painter.skinRegion()->Contains(119, 27));
    EXPECT_TRUE(painter.skinRegion()->Contains(1, 1));

    EXPECT_FALSE(painter.Resize(Input(Standard), 60, 20).regionBuilt);
    ASSERT_TRUE(painter.skinRegion().has_value());
    EXPECT_EQ(painter.skinRegion()->Area(), 120 * 29 - 12);
}

TEST_F(PainterTest, OnePixelBordersByStyleAndState) {
    // Pixels sampled halfway along each edge of a 40 x 20 button, and one in.
    struct Case {
        const char* name;
        PaintInput input;
        Colour left, top, right, rightInner, bottom, bottomInner;
    };
    PaintInput designer = Input(Standard, {.pressed = true});
    designer.userMode = false;
    PaintInput designerFlat = Input(Flat, {.isDefault = true});
    designerFlat.userMode = false;
    PaintInput bevel0 = Input(Standard);
    bevel0.BEVEL = 0;
    const Case cases[] = {
        {"Standard rest", Input(Standard), kHighlight, kHighlight, kShadow, kFace, kShadow, kFace},
        {"Standard hovered", Input(Standard, {.hovered = true}), kHighlight, kHighlight, kShadow, kFace, kShadow,
         kFace},
        {"Standard BEVEL 0", bevel0, kHighlight, kHighlight, kShadow, kFace, kShadow, kFace},
        {"Standard pressed", Input(Standard, {.pressed = true}), kShadow, kShadow, kHighlight, kFace, kHighlight,
         kFace},
        {"Standard focused", Input(Standard, {.focused = true}), kHighlight, kHighlight, kShadow, kShadow, kShadow,
         kShadow},
        {"Standard pressed default", Input(Standard, {.pressed = true, .isDefault = true}), kHighlight, kHighlight,
         kHighlight, kShadow, kHighlight, kShadow},
        {"Standard focused pressed", Input(Standard, {.focused = true, .pressed = true}), kShadow, kShadow, kHighlight,
         kFace, kHighlight, kFace},
        {"Flat rest", Input(Flat), kFace, kFace, kFace, kFace, kFace, kFace},
        {"Flat focused", Input(Flat, {.focused = true}), kFace, kFace, kFace, kFace, kFace, kFace},
        {"Flat hovered", Input(Flat, {.hovered = true}), kHighlight, kHighlight, kShadow, kFace, kShadow, kFace},
        {"Flat pressed", Input(Flat, {.pressed = true}), kShadow, kShadow, kHighlight, kFace, kHighlight, kFace},
        {"Flat default", Input(Flat, {.isDefault = true}), kHighlight, kHighlight, kFace, kShadow, kFace, kShadow},
        {"style 7 rest", Input(7), kFace, kFace, kFace, kFace, kFace, kFace},
        {"style 7 focused", Input(7, {.focused = true}), kFace, kFace, kFace, kFace, kFace, kFace},
        {"style 7 hovered", Input(7, {.hovered = true}), kHighlight, kHighlight, kShadow, kFace, kShadow, kFace},
        {"NoBorder pressed", Input(NoBorder, {.pressed = true, .isDefault = true}), kFace, kFace, kFace, kFace, kFace,
         kFace},
        {"designer Standard pressed", designer, kHighlight, kHighlight, kShadow, kFace, kShadow, kFace},
        {"designer Flat default", designerFlat, kHighlight, kHighlight, kShadow, kFace, kShadow, kFace},
    };
    for (const Case& c : cases) {
        const Surface& s = Paint(c.input, 40, 20);
        EXPECT_EQ(s.pixel(0, 10), c.left) << c.name;
        EXPECT_EQ(s.pixel(20, 0), c.top) << c.name;
        EXPECT_EQ(s.pixel(39, 10), c.right) << c.name;
        EXPECT_EQ(s.pixel(38, 10), c.rightInner) << c.name;
        EXPECT_EQ(s.pixel(20, 19), c.bottom) << c.name;
        EXPECT_EQ(s.pixel(20, 18), c.bottomInner) << c.name;
        EXPECT_EQ(s.pixel(20, 10), kFace) << c.name;
    }
}

TEST_F(PainterTest, BevelRingsDarkenOutwardsWithLighterTopAndLeft) {
    struct Case {
        const char* name;
        Flags flags;
        Colour frames[3];  // rings 2, 1, 0
        Colour lines[3];
    };
    const Case cases[] = {
        {"raised",
         {},
         {Rgb(184, 184, 184), Rgb(176, 176, 177), Rgb(168, 168, 170)},
         {Rgb(200, 200, 200), Rgb(208, 208, 208), Rgb(216, 216, 216)}},
        {"sunken",
         {.pressed = true},
         {Rgb(200, 200, 200), Rgb(208, 208, 208), Rgb(216, 216, 216)},
         {Rgb(184, 184, 184), Rgb(176, 176, 177), Rgb(168, 168, 170)}},
        // Focused: the default frame is a raised bevel of depth 8 + 3.
        {"default",
         {.focused = true},
         {Rgb(181, 181, 181), Rgb(170, 170, 171), Rgb(159, 159, 162)},
         {Rgb(203, 203, 203), Rgb(214, 214, 214), Rgb(225, 225, 225)}},
    };
    for (const Case& c : cases) {
        PaintInput in = Input(Standard, c.flags);
        in.BackColor = kSilver;
        in.BEVEL = 2;
        in.BEVELDEPTH = 8;
        const Surface& s = Paint(in, 40, 20);
        for (int ring = 0; ring <= 2; ++ring) {
            const Colour frame = c.frames[2 - ring];
            const Colour line = c.lines[2 - ring];
            EXPECT_EQ(s.pixel(39 - ring, 10), frame) << c.name << " right of ring " << ring;
            EXPECT_EQ(s.pixel(20, 19 - ring), frame) << c.name << " bottom of ring " << ring;
            EXPECT_EQ(s.pixel(39 - ring, ring), frame) << c.name << " top-right of ring " << ring;
            EXPECT_EQ(s.pixel(ring, 19 - ring), frame) << c.name << " bottom-left of ring " << ring;
            EXPECT_EQ(s.pixel(20, ring), line) << c.name << " top of ring " << ring;
            EXPECT_EQ(s.pixel(ring, 10), line) << c.name << " left of ring " << ring;
        }
        EXPECT_EQ(s.pixel(3, 10), kSilver) << c.name;
    }
}

TEST_F(PainterTest, XPToolbarFillsFollowTheHighlightColour) {
    struct Case {
        Colour highlight;
        Flags flags;
        bool defaultColours;
        Colour fill;
        Colour border;
    };
    const Colour blue = Rgb(49, 106, 197);
    const Colour navy = Rgb(0, 0, 128);
    const Case cases[] = {
        {blue, {.hovered = true}, true, Rgb(220, 255, 255), 0},
        {blue, {.pressed = true}, true, Rgb(205, 245, 255), Rgb(205, 245, 255)},
        {blue, {.pressed = true, .hovered = true}, true, Rgb(205, 245, 255), 0},
        {navy, {.hovered = true}, true, Rgb(171, 154, 236), 0},
        {navy, {.pressed = true}, true, Rgb(156, 139, 236), Rgb(156, 139, 236)},
        {blue, {}, true, kFace, kFace},
        {blue, {.focused = true}, true, kFace, kFace},
        // Without the default colours the two properties give the fills.
        {blue, {.hovered = true}, false, Rgb(241, 239, 226), 0},
        {blue, {.pressed = true}, false, Rgb(255, 255, 255), Rgb(255, 255, 255)},
    };
    for (const Case& c : cases) {
        SystemPalette palette = SystemPalette::Standard();
        palette.setColour(COLOR_HIGHLIGHT, c.highlight);
        painter.SetSystemPalette(palette);
        PaintInput in = Input(XPToolbar, c.flags);
        in.XPDefaultColors = c.defaultColours;
        const Surface& s = Paint(in, 40, 20);
        EXPECT_EQ(s.pixel(20, 10), c.fill) << std::hex << c.highlight << " " << c.fill;
        EXPECT_EQ(s.pixel(0, 10), c.border) << std::hex << c.highlight << " " << c.fill;
    }
    PaintInput always = Input(XPToolbar);
    always.XPShowBorderAlways = true;
    EXPECT_EQ(Paint(always, 40, 20).pixel(0, 10), 0u);
}

TEST_F(PainterTest, XPButtonSkinStatesAndRings) {
    struct Probe {
        int x, y;
        Colour expected;
    };
    struct Case {
        const char* name;
        Flags flags;
        bool defaultColours;
        std::vector<Probe> probes;
    };
    // 120 x 29 over (192, 192, 192): L = (240, 240, 240).
    const std::vector<Probe> rest = {
        {50, 14, Rgb(228, 228, 225)},  {0, 14, kDarkShadow},         {50, 0, kDarkShadow},
        {1, 1, kDarkShadow},           {118, 27, kDarkShadow},       {50, 1, Rgb(255, 255, 255)},
        {50, 2, Rgb(250, 250, 252)},   {50, 27, Rgb(192, 192, 180)}, {50, 26, Rgb(208, 208, 200)},
        {1, 10, Rgb(235, 235, 234)},   {2, 10, Rgb(230, 230, 228)},  {118, 10, Rgb(204, 204, 195)},
        {117, 10, Rgb(216, 216, 210)},
    };
    const std::vector<Probe> focusRing = {
        {1, 10, Rgb(140, 170, 230)}, {118, 10, Rgb(140, 170, 230)}, {50, 26, Rgb(140, 170, 230)},
        {50, 1, Rgb(205, 235, 255)}, {50, 2, Rgb(190, 220, 255)},   {50, 27, Rgb(107, 137, 191)},
        {2, 10, Rgb(171, 201, 255)}, {117, 10, Rgb(171, 201, 255)}, {50, 14, Rgb(228, 228, 225)},
    };
    const std::vector<Probe> hoverRing = {
        {1, 10, Rgb(225, 153, 71)},   {50, 26, Rgb(225, 153, 71)},  {50, 1, Rgb(255, 243, 104)},
        {50, 2, Rgb(255, 188, 83)},   {50, 27, Rgb(185, 113, 57)},  {2, 10, Rgb(245, 173, 78)},
        {117, 10, Rgb(245, 173, 78)}, {50, 14, Rgb(228, 228, 225)},
    };
    // Pressed: D = (208, 208, 200), the gradient lightest at the bottom.
    const std::vector<Probe> pressed = {
        {50, 14, Rgb(200, 200, 192)},  {0, 14, kDarkShadow},         {1, 27, kDarkShadow},
        {50, 27, Rgb(224, 224, 216)},  {50, 26, Rgb(218, 218, 210)}, {118, 10, Rgb(213, 213, 205)},
        {117, 10, Rgb(208, 208, 200)}, {50, 1, Rgb(176, 176, 167)},  {50, 2, Rgb(184, 184, 175)},
        {1, 10, Rgb(176, 176, 167)},   {2, 10, Rgb(186, 186, 178)},
    };
    // Disabled: a flat fill, a lighter outline, no rings.
    const std::vector<Probe> disabled = {
        {50, 14, Rgb(216, 216, 210)}, {50, 1, Rgb(216, 216, 210)},   {1, 10, Rgb(216, 216, 210)},
        {50, 27, Rgb(216, 216, 210)}, {0, 10, Rgb(156, 156, 135)},   {50, 28, Rgb(156, 156, 135)},
        {1, 1, Rgb(168, 168, 150)},   {118, 27, Rgb(168, 168, 150)},
    };
    const Case cases[] = {
        {"rest", {}, true, rest},
        {"focused", {.focused = true}, true, focusRing},
        {"hovered", {.hovered = true}, true, hoverRing},
        {"focused and hovered", {.focused = true, .hovered = true}, true, hoverRing},
        {"pressed", {.pressed = true, .hovered = true}, true, pressed},
        {"focused and pressed", {.focused = true, .pressed = true}, true, pressed},
        {"disabled", {.disabled = true}, true, disabled},
        {"disabled and focused", {.focused = true, .hovered = true, .disabled = true}, true, disabled},
        {"own focus colour", {.focused = true}, false, {{1, 10, Rgb(255, 255, 255)}}},
        {"own hover colour", {.hovered = true}, false, {{1, 10, Rgb(241, 239, 226)}}},
    };
    for (const Case& c : cases) {
        PaintInput in = Input(XPButton, c.flags);
        in.BackColor = kSilver;
        in.XPDefaultColors = c.defaultColours;
        const Surface& s = Paint(in, 120, 29);
        for (const Probe& p : c.probes) {
            EXPECT_EQ(s.pixel(p.x, p.y), p.expected) << c.name << " at " << p.x << "," << p.y;
        }
    }
}

TEST_F(PainterTest, TheDottedFocusRectangleIsDrawnByEveryStyleButXPButton) {
    struct Case {
        int style;
        bool dotted;
    };
    const Case cases[] = {{Standard, true},  {Flat, true},     {XPToolbar, true},
                          {XPButton, false}, {NoBorder, true}, {9, true}};
    for (const Case& c : cases) {
        PaintInput in = Input(c.style, {.focused = true});
        in.ShowFocusRect = false;
        const Surface without = Paint(in, 40, 20);
        in.ShowFocusRect = true;
        const Surface& with = Paint(in, 40, 20);
        int inverted = 0;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 40; ++x) {
                if (with.pixel(x, y) == without.pixel(x, y)) continue;
                ++inverted;
                EXPECT_EQ(with.pixel(x, y), without.pixel(x, y) ^ 0xFFFFFFu);
                EXPECT_TRUE((x == 4 || x == 35 || y == 4 || y == 15) && (x + y) % 2 == 0) << x << "," << y;
            }
        }
        // The outline of {4, 4, 36, 16} has 84 pixels, every other one inverted.
        EXPECT_EQ(inverted, c.dotted ? 42 : 0) << "style " << c.style;
    }
}

TEST_F(PainterTest, CaptionMovesWhenPressedExceptOnXPToolbar) {
    struct Case {
        int style;
        int shift;
    };
    const Case cases[] = {{Standard, 1}, {Flat, 1}, {XPToolbar, 0}, {XPButton, 1}, {NoBorder, 1}, {7, 1}};
    for (const Case& c : cases) {
        PaintInput in = Input(c.style, {}, "OK");
        in.ForeColor = kRed;
        const std::optional<Rect> rest = BoundsOf(Paint(in, 60, 24), kRed);
        const Rect caption = painter.captionRect();
        in.pressed = 1;
        const std::optional<Rect> down = BoundsOf(Paint(in, 60, 24), kRed);
        ASSERT_TRUE(rest && down) << "style " << c.style;
        EXPECT_EQ(*down, rest->moved(c.shift, c.shift)) << "style " << c.style;
        EXPECT_EQ(painter.captionRect(), caption) << "style " << c.style;
    }
}

TEST_F(PainterTest, CaptionIsCentredAndADisabledOneEmbossed) {
    PaintInput in = Input(XPButton, {}, "OK");
    in.ForeColor = kRed;
    Paint(in, 60, 24);
    // Measured: 12 + 2 * 5 wide, 13 high, centred in {4, 4, 56, 20}.
    EXPECT_EQ(painter.captionRect(), (Rect{19, 5, 41, 18}));
    EXPECT_TRUE(BoundsOf(painter.surface(), kRed).has_value());

    in.Enabled = false;
    const Surface& s = Paint(in, 60, 24);
    EXPECT_FALSE(BoundsOf(s, kRed).has_value());
    const std::optional<Rect> shadow = BoundsOf(s, kShadow);
    const std::optional<Rect> highlight = BoundsOf(s, kHighlight);
    ASSERT_TRUE(shadow && highlight);
    EXPECT_EQ(*highlight, shadow->moved(1, 1));
    // The shadow lies on top: its top-left pixel is not highlight.
    EXPECT_EQ(s.pixel(shadow->left, shadow->top), kShadow);
}

TEST_F(PainterTest, EmptyCaptionDrawsNoTextInAnyState) {
    for (const Flags flags : {Flags{}, Flags{.pressed = true}, Flags{.disabled = true}, Flags{.focused = true}}) {
        Paint(Input(Standard, flags), 60, 24);
        EXPECT_TRUE(text.calls.empty());
    }
}

TEST_F(PainterTest, GlyphOfTheTenPixelButtonsSitsAtOneOneAndAtTwoTwoPressed) {
    Image glyph = NumberedImage(9, 9);
    glyph.pixels[4 * 9 + 4] = 0xFF000000u;  // MaskColor: shows the button
    PaintInput in = Input(Standard);
    SetPicture(in, glyph);
    for (const int offset : {1, 2}) {
        in.pressed = offset == 2 ? 1 : 0;
        const Surface& s = Paint(in, 10, 10);
        EXPECT_EQ(painter.contentRect(), (Rect{4, 4, 6, 6}));
        EXPECT_EQ(painter.pictureRect(), (Rect{1, 1, 10, 10}));
        for (int y = 0; y < 9; ++y) {
            for (int x = 0; x < 9; ++x) {
                if (x + offset > 9 || y + offset > 9) continue;  // falls outside
                const Colour expected = x == 4 && y == 4 ? kFace : ImageColour(glyph, x, y);
                EXPECT_EQ(s.pixel(x + offset, y + offset), expected) << x << "," << y << " offset " << offset;
            }
        }
        EXPECT_EQ(s.pixel(0, 5), offset == 1 ? kHighlight : kShadow);
    }
    // Disabled: the embossed image; the masked pixel turned white is left out.
    in.pressed = 0;
    in.Enabled = false;
    const Surface& s = Paint(in, 10, 10);
    EXPECT_EQ(s.pixel(1, 1), kShadow);
    EXPECT_EQ(s.pixel(9, 9), kShadow);
    EXPECT_EQ(s.pixel(5, 5), kHighlight);
}

TEST_F(PainterTest, APictureAllInMaskColorDrawsNothingEnabledOrDisabled) {
    for (const bool enabled : {true, false}) {
        PaintInput in = Input(NoBorder);
        in.Enabled = enabled;
        const Surface bare = Paint(in, 30, 30);
        in.MaskColor = Rgb(0, 255, 0);
        SetPicture(in, Image{5, 5, std::vector<std::uint32_t>(25, 0xFF00FF00u)});
        EXPECT_EQ(Paint(in, 30, 30), bare) << "enabled " << enabled;
    }
}

TEST_F(PainterTest, HoveredToolbarLiftsThePictureOverAGreySilhouette) {
    const Image image = NumberedImage(9, 9);
    PaintInput in = Input(XPToolbar, {.hovered = true});
    SetPicture(in, image);
    const Surface& s = Paint(in, 40, 30);
    // Centred in {4, 4, 36, 26}: at (15, 10); lifted to (12, 7).
    EXPECT_EQ(painter.pictureRect(), (Rect{15, 10, 24, 19}));
    EXPECT_EQ(s.pixel(12, 7), ImageColour(image, 0, 0));
    EXPECT_EQ(s.pixel(20, 15), ImageColour(image, 8, 8));
    EXPECT_EQ(s.pixel(23, 18), Rgb(146, 146, 146));
    EXPECT_EQ(s.pixel(21, 12), Rgb(146, 146, 146));
    EXPECT_EQ(s.pixel(24, 19), Rgb(220, 255, 255));

    in.pressed = 1;
    const Surface& down = Paint(in, 40, 30);
    EXPECT_EQ(down.pixel(15, 10), ImageColour(image, 0, 0));
    EXPECT_EQ(down.pixel(23, 18), ImageColour(image, 8, 8));
}

TEST_F(PainterTest, AnyStoredPictureSizePaintsAndASizeOfNothingDrawsNothing) {
    // Stored forms may hold any 32-bit size; a huge original size once made
    // the shrinking stretch walk every source index of a surface that could
    // not be made.
    const int sizes[] = {INT32_MIN, -1, 0, 1, 9, 100, INT32_MAX};
    const Image image = NumberedImage(9, 9);
    for (const Picture::Type type : {Picture::Type::Bitmap, Picture::Type::Icon}) {
        for (const bool disabled : {false, true}) {
            const PaintInput plain = Input(Standard, {.disabled = disabled});
            const Surface without = Paint(plain, 40, 30);
            PaintInput in = plain;
            SetPicture(in, image, type);
            for (const int pw : sizes) {
                for (const int ph : sizes) {
                    for (const int ow : sizes) {
                        for (const int oh : sizes) {
                            in.PictureWidth = pw;
                            in.PictureHeight = ph;
                            in.OriginalPicSizeW = ow;
                            in.OriginalPicSizeH = oh;
                            const Surface& s = Paint(in, 40, 30);
                            ASSERT_EQ(s.width(), 40);
                            if (pw <= 0 || ph <= 0) {
                                ASSERT_EQ(s, without) << pw << " x " << ph << " from " << ow << " x " << oh
                                                      << (disabled ? ", disabled" : "");
                            }
                        }
                    }
                }
            }
        }
    }
}

TEST_F(PainterTest, IconsKeepTheirTransparencyAndTheirDisabledLookKeysOnBlack) {
    // A 4 x 4 icon: transparent but for an opaque 2 x 2 centre, one pixel
    // of it red.
    Image icon{4, 4, std::vector<std::uint32_t>(16, 0x00000000u)};
    for (const int i : {5, 6, 9, 10}) icon.pixels[static_cast<std::size_t>(i)] = 0xFF0000FFu;
    icon.pixels[5] = 0xFFFF0000u;
    PaintInput in = Input(NoBorder);
    SetPicture(in, icon, Picture::Type::Icon);
    in.MaskColor = Rgb(255, 0, 0);  // not used for icons
    const Surface& s = Paint(in, 24, 24);
    // Centred in {4, 4, 20, 20}: at (10, 10).
    EXPECT_EQ(s.pixel(11, 11), Rgb(255, 0, 0));
    EXPECT_EQ(s.pixel(12, 12), Rgb(0, 0, 255));
    EXPECT_EQ(s.pixel(10, 10), kFace);

    in.Enabled = false;
    in.MaskColor = kFace;
    const Surface& off = Paint(in, 24, 24);
    EXPECT_EQ(off.pixel(10, 10), kFace);
    EXPECT_EQ(off.pixel(11, 11), kShadow);
    EXPECT_EQ(off.pixel(12, 12), kShadow);
    EXPECT_EQ(off.pixel(13, 13), kHighlight);
    EXPECT_EQ(off.pixel(13, 11), kFace);
}

TEST_F(PainterTest, PictureLeftLaysOutTheWorkedExample) {
    PaintInput in = Input(NoBorder, {}, "ABCDE");  // 30 + 10 of margins
    SetPicture(in, NumberedImage(16, 16));
    Paint(in, 108, 30);
    ASSERT_EQ(painter.contentRect(), (Rect{4, 4, 104, 26}));
    EXPECT_EQ(painter.pictureRect(), (Rect{24, 7, 40, 23}));
    EXPECT_EQ(painter.captionRect(), (Rect{44, 8, 84, 21}));
}

TEST_F(PainterTest, AnUnknownPicturePositionKeepsThePreviousPicturePlace) {
    const Image image = NumberedImage(6, 6);
    PaintInput in = Input(NoBorder, {}, "AB");
    SetPicture(in, image);
    in.PicturePosition = 4;
    const Surface& s = Paint(in, 60, 30);
    EXPECT_EQ(painter.pictureRect(), (Rect{}));
    EXPECT_EQ(s.pixel(0, 0), ImageColour(image, 0, 0));
    EXPECT_EQ(s.pixel(5, 5), ImageColour(image, 5, 5));
    EXPECT_EQ(painter.captionRect(), (Rect{19, 8, 41, 21}));

    in.PicturePosition = PictureAbove;
    Paint(in, 60, 30);
    const Rect above = painter.pictureRect();
    in.PicturePosition = 9;
    Paint(in, 60, 30);
    EXPECT_EQ(painter.pictureRect(), above);
}

class SampleParent final : public ParentBackground {
public:
    const Image* BackgroundPicture() const override { return picture ? &*picture : nullptr; }
    Point ButtonPosition() const override { return position; }

    std::optional<Image> picture;
    Point position;
};

TEST_F(PainterTest, TransparentBackgroundShowsTheParentPictureWhereItReaches) {
    SampleParent parent;
    parent.picture = NumberedImage(8, 8);
    parent.position = {4, 2};
    painter.SetParentBackground(&parent);
    PaintInput in = Input(XPToolbar);
    in.TransparentBG = true;
    const Surface& s = Paint(in, 10, 10);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool covered = x + 4 < 8 && y + 2 < 8;
            EXPECT_EQ(s.pixel(x, y), covered ? ImageColour(*parent.picture, x + 4, y + 2) : kFace) << x << "," << y;
        }
    }
    in.hovered = 1;
    EXPECT_EQ(Paint(in, 10, 10).pixel(2, 2), Rgb(220, 255, 255));

    // Other styles show it under their border. (A new painter: the toolbar's
    // hover fill would stay its surface colour.)
    ButtonPainter other(text);
    other.SetParentBackground(&parent);
    PaintInput standard = Input(Standard);
    standard.TransparentBG = true;
    parent.position = {0, 0};
    other.Resize(standard, 10, 10);
    EXPECT_EQ(other.surface().pixel(3, 3), ImageColour(*parent.picture, 3, 3));
    EXPECT_EQ(other.surface().pixel(0, 3), kHighlight);

    parent.picture.reset();
    other.Refresh(standard);
    EXPECT_EQ(other.surface().pixel(3, 3), kFace);
}

TEST_F(PainterTest, AToolbarFillStaysTheSurfaceColourUntilBackColorChanges) {
    Paint(Input(XPToolbar, {.hovered = true}), 40, 20);
    EXPECT_EQ(painter.surfaceColour(), Rgb(220, 255, 255));
    // The Flat style clears to the surface colour, which the last repaint left.
    EXPECT_EQ(Paint(Input(Flat), 40, 20).pixel(20, 10), Rgb(220, 255, 255));
    PaintInput other = Input(Flat);
    other.BackColor = kSilver;
    EXPECT_EQ(Paint(other, 40, 20).pixel(20, 10), kSilver);
}

}  // namespace
}  // namespace torvel
