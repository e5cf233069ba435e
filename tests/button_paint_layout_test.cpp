// Layout rectangles, the window shape and wrapped text, from worked examples.
#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

#include "button/paint/content_layout.h"
#include "button/paint/draw_text.h"
#include "button/paint/skin_region.h"
#include "button_paint_fake_text.h"
#include "common/cp1251.h"

namespace torvel {
namespace {

using testing::FakeTextRenderer;

TEST(ContentLayout, ContentRectIsInsetFourLeftAndTopThreeRightAndBottom) {
    EXPECT_EQ(ContentRectFor(10, 10), (Rect{4, 4, 6, 6}));
    EXPECT_EQ(ContentRectFor(120, 29), (Rect{4, 4, 116, 25}));
}

TEST(ContentLayout, CentringHalvesTheLeftoverTowardZero) {
    struct Case {
        std::int64_t width;
        std::int64_t height;
        Rect within;
        Rect expected;
    };
    const Case cases[] = {
        // The program's 10 x 10 glyph buttons: (2 - 9) / 2 = -3.
        {9, 9, {4, 4, 6, 6}, {1, 1, 10, 10}},
        // An odd leftover of 7 gives 3: the extra pixel goes after the content.
        {10, 4, {0, 0, 17, 11}, {3, 3, 13, 7}},
        {8, 8, {4, 4, 12, 12}, {4, 4, 12, 12}},
        // A leftover of -1 truncates to 0, of -3 to -1.
        {9, 11, {0, 0, 8, 8}, {0, -1, 9, 10}},
        // Huge sizes saturate instead of overflowing.
        {INT64_C(5000000000), 1, {0, 0, 10, 10}, {INT32_MIN, 4, INT32_MAX, 5}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CentreRect(c.width, c.height, c.within), c.expected) << c.width << " x " << c.height;
    }
}

TEST(ContentLayout, PicturePositionsPlaceThePairCentredFourPixelsApart) {
    // contentRect 100 x 40 at (4, 4); a 16 x 16 picture; a 40 x 13 caption
    // already centred in contentRect.
    const Rect content{4, 4, 104, 44};
    const Rect caption = CentreRect(40, 13, content);
    const Rect previous{7, 8, 9, 10};
    struct Case {
        int position;
        Rect picture;
        Rect caption;
    };
    const Case cases[] = {
        // Above: (40 - 33) / 2 = 3; the caption 4 below the picture.
        {0, {46, 7, 62, 23}, {34, 27, 74, 40}},
        // Left: picture at cL + (100 - 60) / 2 = cL + 20, caption at cL + 40.
        {1, {24, 16, 40, 32}, {44, 17, 84, 30}},
        // Right: the caption first at cL + 20, the picture 4 after it.
        {2, {68, 16, 84, 32}, {24, 17, 64, 30}},
        // Below: the caption at the top of the pair.
        {3, {46, 24, 62, 40}, {34, 7, 74, 20}},
        // Anything else keeps the previous picture and the centred caption.
        {4, previous, caption},
        {-1, previous, caption},
    };
    for (const Case& c : cases) {
        const ContentPlacement placed = PlaceContent(content, 16, 16, caption, c.position, previous);
        EXPECT_EQ(placed.picture, c.picture) << "position " << c.position;
        EXPECT_EQ(placed.caption, c.caption) << "position " << c.position;
    }
    // A pair wider than contentRect overhangs it: (2 - (9 + 4 + 9)) / 2 = -10.
    const ContentPlacement wide = PlaceContent({4, 4, 6, 6}, 9, 9, {0, 0, 9, 9}, 1, previous);
    EXPECT_EQ(wide.picture.left, -6);
    EXPECT_EQ(wide.caption.left, 7);
}

TEST(SkinRegion, CutsExactlyThreePixelsAtEachCorner) {
    for (const auto& [w, h] : {std::pair{120, 29}, std::pair{10, 10}, std::pair{36, 22}}) {
        const Region region = BuildSkinRegion(w, h);
        EXPECT_EQ(region.Area(), std::int64_t{w} * h - 12) << w << " x " << h;
        const std::set<std::pair<int, int>> removed = {
            {0, 0},     {1, 0},     {0, 1},     {0, h - 1},     {1, h - 1},     {0, h - 2},
            {w - 2, 0}, {w - 1, 0}, {w - 1, 1}, {w - 2, h - 1}, {w - 1, h - 1}, {w - 1, h - 2},
        };
        for (int y = -1; y <= h; ++y) {
            for (int x = -1; x <= w; ++x) {
                const bool inside = x >= 0 && y >= 0 && x < w && y < h && removed.count({x, y}) == 0;
                EXPECT_EQ(region.Contains(x, y), inside) << x << "," << y << " of " << w << " x " << h;
            }
        }
    }
}

TEST(SkinRegion, RegionsCompareByTheirPixels) {
    Region a(Rect{0, 0, 4, 4});
    a.Subtract({1, 1, 3, 3});
    Region b(Rect{0, 0, 4, 1});
    Region rest(Rect{0, 1, 4, 4});
    rest.Subtract({1, 1, 3, 3});
    EXPECT_EQ(a.Area(), 12);
    EXPECT_FALSE(a == b);
    Region same(Rect{0, 0, 4, 4});
    same.Subtract({1, 1, 2, 3});
    same.Subtract({2, 1, 3, 3});
    EXPECT_TRUE(a == same);
}

// Text tests: 6 pixels a character, 13 a line, margins of 5 each side.
struct TextCase {
    std::string text;
    int width;          // of the rectangle at (10, 20)
    int measuredRight;  // what the measuring call gives
    int measuredBottom;
    std::vector<std::string> lines;
};

TEST(WrappedText, MeasuringWrapsAtSpacesAndAddsTheMargins) {
    const TextCase cases[] = {
        {"ABC", 100, 10 + 18 + 10, 20 + 13, {"ABC"}},
        // 48 pixels less 10 of margins leaves 38: "AAA BBB" (42) does not fit.
        {"AAA BBB CCC", 48, 10 + 18 + 10, 20 + 39, {"AAA", "BBB", "CCC"}},
        {"AAA BBB CCC", 52, 10 + 42 + 10, 20 + 26, {"AAA BBB", "CCC"}},
        // A word wider than the line stands alone and widens the result.
        {"ABCDEFGHIJ KL", 30, 10 + 60 + 10, 20 + 26, {"ABCDEFGHIJ", "KL"}},
        // Spaces at a break belong to neither line; inner runs stay.
        {"AB   CD", 30, 10 + 12 + 10, 20 + 26, {"AB", "CD"}},
        {"A  B", 100, 10 + 24 + 10, 20 + 13, {"A  B"}},
        // Line breaks: CR LF, LF and CR; none after a final break.
        {"AB\r\nC\nD\rE\n", 100, 10 + 12 + 10, 20 + 52, {"AB", "C", "D", "E"}},
        {"A\n\nB", 100, 10 + 6 + 10, 20 + 39, {"A", "", "B"}},
        // Access-key marks are not drawn; "&&" draws one "&".
        {"&Save && exit", 200, 10 + 66 + 10, 20 + 13, {"Save & exit"}},
        {"A&", 100, 10 + 12 + 10, 20 + 13, {"A&"}},
        // Characters of the code page count one each.
        {"Старт", 100, 10 + 30 + 10, 20 + 13, {"Старт"}},
    };
    for (const TextCase& c : cases) {
        FakeTextRenderer renderer;
        // The text calls take the single-byte code page.
        const std::string text = Utf8ToCp1251(c.text);
        Rect rect{10, 20, 10 + c.width, 500};
        const int height = CalcTextRect(renderer, FontAttributes{}, text, rect, DrawTextParams{});
        EXPECT_EQ(rect, (Rect{10, 20, c.measuredRight, c.measuredBottom})) << c.text;
        EXPECT_EQ(height, c.measuredBottom - 20) << c.text;

        Surface surface(300, 200);
        const Rect drawRect{10, 20, 10 + c.width, 100};
        DrawWrappedText(surface, renderer, FontAttributes{}, text, drawRect, DrawTextParams{}, Rgb(255, 0, 0));
        ASSERT_EQ(renderer.calls.size(), c.lines.size()) << c.text;
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            const auto& call = renderer.calls[i];
            EXPECT_EQ(call.text, c.lines[i]) << c.text;
            // Each line is centred between the margins, the sum halved
            // toward zero; lines stack from the top.
            const int lineWidth = renderer.Width(FontAttributes{}, c.lines[i]);
            EXPECT_EQ(call.origin.x, (10 + 5 + 10 + c.width - 5 - lineWidth) / 2) << c.text << " line " << i;
            EXPECT_EQ(call.origin.y, 20 + 13 * static_cast<int>(i)) << c.text << " line " << i;
            EXPECT_EQ(call.clip, drawRect);
        }
    }
}

TEST(WrappedText, EmptyTextMeasuresToNothingAndDrawsNothing) {
    FakeTextRenderer renderer;
    Rect rect{4, 4, 116, 25};
    EXPECT_EQ(CalcTextRect(renderer, FontAttributes{}, "", rect, DrawTextParams{}), 0);
    EXPECT_EQ(rect, (Rect{4, 4, 4, 4}));
    Surface surface(20, 20);
    EXPECT_EQ(DrawWrappedText(surface, renderer, FontAttributes{}, "", {0, 0, 20, 20}, DrawTextParams{}, 0xFF), 0);
    EXPECT_TRUE(renderer.calls.empty());
}

TEST(WrappedText, TheMarkedCharacterIsUnderlinedBelowTheBaseline) {
    FakeTextRenderer renderer;
    Surface surface(60, 20);
    // "A&BC" draws "ABC" (18 wide) centred in {0, 0, 60, 20}: at x = 21.
    DrawWrappedText(surface, renderer, FontAttributes{}, "A&BC", {0, 0, 60, 20}, DrawTextParams{}, Rgb(0, 0, 255));
    const int row = FakeTextRenderer::kAscent + 1;
    for (int x = 0; x < 60; ++x) {
        EXPECT_EQ(surface.pixel(x, row) == Rgb(0, 0, 255), x >= 27 && x < 33) << x;
    }
}

}  // namespace
}  // namespace torvel
