// Pixel tests of the drawing primitives on small surfaces.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "button/paint/block_transfer.h"
#include "button/paint/draw_state.h"
#include "button/paint/image_pixels.h"
#include "button/paint/mono_bitmap.h"
#include "button/paint/picture_drawing.h"
#include "button/paint/surface.h"

namespace torvel {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kBlue = Rgb(0, 0, 255);
constexpr Colour kGround = Rgb(10, 20, 30);

using PixelSet = std::set<std::pair<int, int>>;

// The pixels of `surface` that differ from `ground`.
PixelSet Painted(const Surface& surface, Colour ground) {
    PixelSet painted;
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            if (surface.pixel(x, y) != ground) painted.insert({x, y});
        }
    }
    return painted;
}

Surface Filled(int w, int h, Colour colour) {
    Surface s(w, h);
    s.FillRect({0, 0, w, h}, colour);
    return s;
}

// A surface whose every pixel has its own colour.
Surface Numbered(int w, int h) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) s.SetPixel(x, y, Rgb(40 + 20 * x, 40 + 20 * y, 99));
    }
    return s;
}

TEST(SurfacePrimitives, NewSurfacesStartBlackAndImpossibleSizesAreEmpty) {
    const Surface s(3, 2);
    EXPECT_EQ(Painted(s, 0), PixelSet{});
    for (const auto& [w, h] : std::vector<std::pair<int, int>>{{0, 5}, {5, -1}, {1 << 13, 1 << 12}}) {
        Surface empty(w, h);
        EXPECT_TRUE(empty.empty()) << w << " x " << h;
        empty.FillRect({0, 0, 10, 10}, kRed);  // must be harmless
        empty.DrawFocusRect({0, 0, 10, 10});
    }
}

TEST(SurfacePrimitives, FillCoversRightAndBottomExclusiveAndClips) {
    struct Case {
        Rect rect;
        PixelSet expected;
    };
    const Case cases[] = {
        {{1, 1, 3, 2}, {{1, 1}, {2, 1}}},
        {{-5, -5, 1, 1}, {{0, 0}}},
        {{3, 2, 9, 9}, {{3, 2}, {3, 3}}},
        {{2, 2, 2, 3}, {}},
        {{3, 3, 1, 1}, {}},
    };
    for (const Case& c : cases) {
        Surface s = Filled(4, 4, kGround);
        s.FillRect(c.rect, kRed);
        EXPECT_EQ(Painted(s, kGround), c.expected) << c.rect.left << "," << c.rect.top;
    }
}

TEST(SurfacePrimitives, FrameDrawsTheOnePixelBorderAndNothingWhenEmpty) {
    struct Case {
        Rect rect;
        PixelSet expected;
    };
    const Case cases[] = {
        {{1, 1, 4, 4}, {{1, 1}, {2, 1}, {3, 1}, {1, 2}, {3, 2}, {1, 3}, {2, 3}, {3, 3}}},
        {{2, 0, 3, 3}, {{2, 0}, {2, 1}, {2, 2}}},
        // A frame one larger than the surface leaves only its left and top.
        {{0, 0, 6, 6}, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}}},
        {{2, 2, 2, 4}, {}},
        {{3, 3, 4, 3}, {}},
        {{4, 4, 1, 1}, {}},
    };
    for (const Case& c : cases) {
        Surface s = Filled(5, 5, kGround);
        s.FrameRect(c.rect, kRed);
        EXPECT_EQ(Painted(s, kGround), c.expected) << c.rect.left << "," << c.rect.top << "," << c.rect.right;
    }
}

TEST(SurfacePrimitives, LinesLeaveOutTheirEndPointAndMoveThePosition) {
    struct Case {
        Point from;
        Point to;
        PixelSet expected;
    };
    const Case cases[] = {
        {{1, 1}, {4, 1}, {{1, 1}, {2, 1}, {3, 1}}}, {{4, 2}, {1, 2}, {{4, 2}, {3, 2}, {2, 2}}},
        {{0, 0}, {0, 3}, {{0, 0}, {0, 1}, {0, 2}}}, {{3, 4}, {3, 1}, {{3, 4}, {3, 3}, {3, 2}}},
        {{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}}, {{0, 4}, {3, 3}, {{0, 4}, {1, 4}, {2, 3}}},
        {{4, 0}, {1, 3}, {{4, 0}, {3, 1}, {2, 2}}}, {{2, 2}, {2, 2}, {}},
        {{-3, 1}, {2, 1}, {{0, 1}, {1, 1}}},
    };
    for (const Case& c : cases) {
        Surface s = Filled(5, 5, kGround);
        s.MoveTo(c.from.x, c.from.y);
        s.LineTo(c.to.x, c.to.y, kRed);
        EXPECT_EQ(Painted(s, kGround), c.expected) << c.from.x << "," << c.from.y << " to " << c.to.x << "," << c.to.y;
        EXPECT_EQ(s.currentPosition(), c.to);
    }
}

TEST(SurfacePrimitives, FocusRectInvertsACheckerboardAndVanishesWhenDrawnTwice) {
    const Surface before = Numbered(9, 7);
    for (const Rect& rect : {Rect{1, 1, 8, 6}, Rect{0, 0, 9, 7}, Rect{2, 3, 4, 5}, Rect{-1, -1, 3, 3}}) {
        Surface s = before;
        s.DrawFocusRect(rect);
        for (int y = 0; y < s.height(); ++y) {
            for (int x = 0; x < s.width(); ++x) {
                const bool onOutline = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom &&
                                       (x == rect.left || x == rect.right - 1 || y == rect.top || y == rect.bottom - 1);
                const bool inverted = onOutline && (x - rect.left + y - rect.top) % 2 == 0;
                EXPECT_EQ(s.pixel(x, y), inverted ? before.pixel(x, y) ^ kWhite : before.pixel(x, y))
                    << "pixel " << x << "," << y << " of rect " << rect.left << "," << rect.top;
            }
        }
        s.DrawFocusRect(rect);
        EXPECT_EQ(s, before);
    }
    Surface s = before;
    s.DrawFocusRect({3, 3, 3, 6});
    EXPECT_EQ(s, before);
}

TEST(BlockTransfer, RasterOperationsCombineSourceAndDestination) {
    struct Case {
        RasterOp op;
        Colour expected;
    };
    const Colour source = Rgb(0xF0, 0x0F, 0x55);
    const Colour destination = Rgb(0x3C, 0xFF, 0x0F);
    const Case cases[] = {
        {RasterOp::SrcCopy, source},
        {RasterOp::SrcAnd, Rgb(0x30, 0x0F, 0x05)},
        {RasterOp::SrcInvert, Rgb(0xCC, 0xF0, 0x5A)},
        {RasterOp::NotSrcCopy, Rgb(0x0F, 0xF0, 0xAA)},
    };
    for (const Case& c : cases) {
        Surface dst = Filled(2, 1, destination);
        BitBlt(dst, 1, 0, 1, 1, Filled(1, 1, source), 0, 0, c.op);
        EXPECT_EQ(dst.pixel(1, 0), c.expected) << static_cast<int>(c.op);
        EXPECT_EQ(dst.pixel(0, 0), destination);
    }
}

TEST(BlockTransfer, CopiesSkipWhatLiesOutsideEitherSurface) {
    const Surface src = Numbered(3, 3);
    Surface dst = Filled(4, 4, kGround);
    BitBlt(dst, 2, -1, 3, 3, src, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(Painted(dst, kGround), (PixelSet{{2, 0}, {3, 0}, {2, 1}, {3, 1}}));
    EXPECT_EQ(dst.pixel(3, 1), src.pixel(1, 2));
    Surface dst2 = Filled(4, 4, kGround);
    BitBlt(dst2, 0, 0, 4, 4, src, 1, 1, RasterOp::SrcCopy);
    EXPECT_EQ(Painted(dst2, kGround), (PixelSet{{0, 0}, {1, 0}, {0, 1}, {1, 1}}));
}

TEST(BlockTransfer, MonochromeMasksFromColourAndBack) {
    Surface src(3, 1);
    src.SetPixel(0, 0, kBlue);
    src.SetPixel(1, 0, kRed);
    src.SetPixel(2, 0, kBlue);
    MonoBitmap mask(3, 1);
    BitBlt(mask, 0, 0, 3, 1, src, 0, 0, kBlue, RasterOp::SrcCopy);
    EXPECT_TRUE(mask.bit(0, 0));
    EXPECT_FALSE(mask.bit(1, 0));
    EXPECT_TRUE(mask.bit(2, 0));

    MonoBitmap inverse(3, 1);
    BitBlt(inverse, 0, 0, 3, 1, mask, 0, 0, RasterOp::NotSrcCopy);
    EXPECT_FALSE(inverse.bit(0, 0));
    EXPECT_TRUE(inverse.bit(1, 0));

    Surface expanded = Filled(3, 1, kGround);
    BitBlt(expanded, 0, 0, 3, 1, mask, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(expanded.pixel(0, 0), kWhite);
    EXPECT_EQ(expanded.pixel(1, 0), 0u);

    Surface anded = Filled(3, 1, kRed);
    BitBlt(anded, 0, 0, 3, 1, mask, 0, 0, RasterOp::SrcAnd);
    EXPECT_EQ(anded.pixel(0, 0), kRed);
    EXPECT_EQ(anded.pixel(1, 0), 0u);
}

TEST(BlockTransfer, StretchShrinksWithAndSoBlackSurvivesAndEnlargesByRepeating) {
    struct Case {
        std::vector<Colour> source;  // a row
        int width;
        std::vector<Colour> expected;
    };
    const Colour grey = Rgb(0x80, 0x80, 0x80);
    const Case cases[] = {
        {{kWhite, 0}, 1, {0}},
        {{kRed, kWhite}, 1, {kRed}},
        {{kRed, kBlue}, 1, {kRed & kBlue}},
        {{kWhite, 0, kWhite, kWhite}, 2, {0, kWhite}},
        {{kRed, kBlue}, 4, {kRed, kRed, kBlue, kBlue}},
        {{kRed, kBlue, grey}, 5, {kRed, kRed, kBlue, grey, grey}},
        {{kRed, kBlue, grey}, 3, {kRed, kBlue, grey}},
    };
    for (const Case& c : cases) {
        const int sw = static_cast<int>(c.source.size());
        Surface src(sw, 1);
        for (int x = 0; x < sw; ++x) src.SetPixel(x, 0, c.source[static_cast<std::size_t>(x)]);
        Surface dst(c.width, 1);
        StretchBlt(dst, {0, 0, c.width, 1}, src, {0, 0, sw, 1});
        std::vector<Colour> row;
        for (int x = 0; x < c.width; ++x) row.push_back(dst.pixel(x, 0));
        EXPECT_EQ(row, c.expected) << sw << " to " << c.width;
    }
    // Vertically as well: a 2 x 2 checker shrunk to one pixel is black.
    Surface checker = Filled(2, 2, kWhite);
    checker.SetPixel(1, 1, 0);
    Surface one(1, 1);
    one.SetPixel(0, 0, kRed);
    StretchBlt(one, {0, 0, 1, 1}, checker, {0, 0, 2, 2});
    EXPECT_EQ(one.pixel(0, 0), 0u);
}

TEST(TransparentBlitTest, KeepsTheDestinationExactlyWhereTheSourceHasTheKey) {
    for (const Colour key : {Colour{0}, kWhite, kBlue, Rgb(1, 0, 0)}) {
        Surface src = Numbered(4, 3);
        src.SetPixel(1, 1, key);
        src.SetPixel(3, 0, key);
        src.SetPixel(0, 2, key ^ 1u);  // a near miss is copied
        const Surface dstBefore = Numbered(6, 5);
        Surface dst = dstBefore;
        TransparentBlit(dst, src, 0, 0, 4, 3, 2, 1, key);
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 6; ++x) {
                const int u = x - 2;
                const int v = y - 1;
                const bool inBlock = u >= 0 && u < 4 && v >= 0 && v < 3;
                const Colour expected = inBlock && src.pixel(u, v) != key ? src.pixel(u, v) : dstBefore.pixel(x, y);
                EXPECT_EQ(dst.pixel(x, y), expected) << "key " << key << " at " << x << "," << y;
            }
        }
    }
}

TEST(TransparentBlitTest, BlocksOverTheEdgeOrOutOfRangeAreSafe) {
    const Surface src = Numbered(3, 3);
    Surface dst = Filled(4, 4, kGround);
    TransparentBlit(dst, src, 0, 0, 3, 3, 2, 2, kGround);
    EXPECT_EQ(dst.pixel(3, 3), src.pixel(1, 1));
    EXPECT_EQ(dst.pixel(1, 1), kGround);

    const Surface before = dst;
    TransparentBlit(dst, src, 0, 0, 40000, 3, 0, 0, kGround);  // wider than 16 bits allow
    TransparentBlit(dst, src, 2, 0, 1, 3, 0, 0, kGround);      // empty block
    EXPECT_EQ(dst, before);

    // Only the part of the block inside the source is copied.
    Surface partial = Filled(4, 4, kGround);
    TransparentBlit(partial, src, -1, 0, 2, 1, 0, 0, 0);
    EXPECT_EQ(Painted(partial, kGround), (PixelSet{{1, 0}, {2, 0}}));
}

TEST(DrawStates, MonoAndEmbossedImagesLeaveWhiteAlone) {
    Surface image = Filled(3, 3, kWhite);
    image.SetPixel(1, 1, kRed);
    image.SetPixel(2, 1, Rgb(254, 255, 255));  // near-white counts

    Surface mono = Filled(5, 5, kGround);
    DrawStateMono(mono, 1, 1, image, kBlue);
    EXPECT_EQ(Painted(mono, kGround), (PixelSet{{2, 2}, {3, 2}}));
    EXPECT_EQ(mono.pixel(2, 2), kBlue);

    const Colour light = Rgb(250, 250, 250);
    const Colour dark = Rgb(90, 90, 90);
    Surface emboss = Filled(5, 5, kGround);
    DrawStateDisabled(emboss, 1, 1, image, light, dark);
    EXPECT_EQ(Painted(emboss, kGround), (PixelSet{{2, 2}, {3, 2}, {3, 3}, {4, 3}}));
    EXPECT_EQ(emboss.pixel(2, 2), dark);
    EXPECT_EQ(emboss.pixel(3, 2), dark);  // the shadow lies on top of the highlight
    EXPECT_EQ(emboss.pixel(3, 3), light);
    EXPECT_EQ(emboss.pixel(4, 3), light);
}

TEST(ImagePixels, IconsKeepTheirTransparencyAndBitmapsDropAlpha) {
    Image icon{2, 1, {0x00FF0000u, 0xFF00FF00u}};
    Surface s = Filled(4, 2, kGround);
    PaintIcon(s, icon, {0, 0, 4, 2});  // scaled to twice the size
    EXPECT_EQ(Painted(s, kGround), (PixelSet{{2, 0}, {3, 0}, {2, 1}, {3, 1}}));
    EXPECT_EQ(s.pixel(3, 1), Rgb(0, 255, 0));

    const Surface onWhite = IconOnWhite(icon);
    EXPECT_EQ(onWhite.pixel(0, 0), kWhite);
    EXPECT_EQ(onWhite.pixel(1, 0), Rgb(0, 255, 0));

    const Surface bitmap = BitmapSurface(icon);
    EXPECT_EQ(bitmap.pixel(0, 0), Rgb(255, 0, 0));

    // An image whose buffer is short is not drawn at all.
    const Image broken{3, 3, {0xFFFFFFFFu}};
    EXPECT_TRUE(BitmapSurface(broken).empty());
}

}  // namespace
}  // namespace torvel
