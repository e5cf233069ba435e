// The button on screens of higher device pixel ratios: how its pixels map to
// device pixels, and a repaint in blocks with its caption at the device's
// resolution.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "button/paint/button_painter.h"
#include "button/paint/device_grid.h"
#include "button_paint_fake_text.h"

namespace torvel {
namespace {

using testing::FakeTextRenderer;

TEST(DeviceGridTest, EveryPixelGetsAWholeBlockOfFloorOrCeilingOfTheRatio) {
    // Origins as Qt gives them: a widget's position in its window times the ratio.
    for (const double ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 3.0}) {
        for (const int position : {0, 1, 21, 37}) {
            const DeviceGrid grid(ratio, position * ratio, position * 2 * ratio);
            for (int e = 0; e < 150; ++e) {
                const int block = grid.X(e + 1) - grid.X(e);
                EXPECT_TRUE(block == std::floor(ratio) || block == std::ceil(ratio))
                    << ratio << " at " << position << ", pixel " << e << ": " << block;
                // The edges are the window's own, as Qt rounds a widget's edges.
                EXPECT_EQ(grid.X(e), std::lround((position + e) * ratio) - std::lround(position * ratio));
            }
            EXPECT_EQ(grid.Y(0), 0);
        }
    }
}

TEST(DeviceGridTest, WorkedEdgesAndBlockScaling) {
    struct Case {
        double ratio;
        double origin;
        std::vector<int> edges;  // of pixel edges 0, 1, 2, ...
    };
    const Case cases[] = {
        {1.0, 21.0, {0, 1, 2, 3, 4}},
        {1.5, 0.0, {0, 2, 3, 5, 6}},
        {1.5, 31.5, {0, 1, 3, 4, 6}},
        {1.25, 0.0, {0, 1, 3, 4, 5, 6, 8}},
        {2.0, 42.0, {0, 2, 4, 6}},
    };
    for (const Case& c : cases) {
        const DeviceGrid grid(c.ratio, c.origin, c.origin);
        for (std::size_t e = 0; e < c.edges.size(); ++e) {
            EXPECT_EQ(grid.X(static_cast<int>(e)), c.edges[e]) << c.ratio << " from " << c.origin << ", edge " << e;
        }
    }

    Surface source(3, 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) source.SetPixel(x, y, static_cast<Colour>(10 * y + x));
    }
    // At 1.5 from 0: columns 2, 1, 2 wide; rows 2, 1 high.
    const Surface device = ScaleByBlocks(source, DeviceGrid(1.5, 0, 0));
    ASSERT_EQ(device.width(), 5);
    ASSERT_EQ(device.height(), 3);
    const int sourceColumn[] = {0, 0, 1, 2, 2};
    const int sourceRow[] = {0, 0, 1};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(device.pixel(x, y), source.pixel(sourceColumn[x], sourceRow[y])) << x << "," << y;
        }
    }
    EXPECT_EQ(ScaleByBlocks(source, DeviceGrid{}), source);
}

class DevicePaintTest : public ::testing::Test {
protected:
    static PaintInput Captioned() {
        PaintInput in;
        in.ButtonStyle = XPButton;
        in.Caption = "OK";
        in.ForeColor = Rgb(0, 0, 128);
        return in;
    }

    // Every device pixel outside the device rectangle `except` shows the
    // pixel of `own` whose block holds it.
    static void ExpectBlocksOutside(const Surface& device, const Surface& own, const DeviceGrid& grid,
                                    const Rect& except) {
        ASSERT_EQ(device.width(), grid.X(own.width()));
        ASSERT_EQ(device.height(), grid.Y(own.height()));
        for (int y = 0; y < own.height(); ++y) {
            for (int x = 0; x < own.width(); ++x) {
                for (int dy = grid.Y(y); dy < grid.Y(y + 1); ++dy) {
                    for (int dx = grid.X(x); dx < grid.X(x + 1); ++dx) {
                        const bool inside =
                            dx >= except.left && dx < except.right && dy >= except.top && dy < except.bottom;
                        if (!inside) {
                            ASSERT_EQ(device.pixel(dx, dy), own.pixel(x, y)) << dx << "," << dy;
                        }
                    }
                }
            }
        }
    }

    FakeTextRenderer text;
    ButtonPainter painter{text};
};

TEST_F(DevicePaintTest, TheSkinIsInBlocksAndTheCaptionIsDrawnAtTheDevicesResolution) {
    struct Case {
        const char* state;
        bool enabled;
        std::uint8_t pressed;
    };
    const Case cases[] = {{"rest", true, 0}, {"pressed", true, 1}, {"disabled", false, 0}};
    for (const double ratio : {1.5, 2.0, 3.0}) {
        for (const Case& c : cases) {
            PaintInput in = Captioned();
            in.Enabled = c.enabled;
            in.pressed = c.pressed;
            painter.Resize(in, 36, 22);
            const Surface own = painter.surface();
            const Rect caption = painter.captionRect().moved(c.pressed, c.pressed);
            const DeviceGrid grid(ratio, 7 * ratio, 3 * ratio);
            text.calls.clear();
            const Surface device = painter.PaintForDevice(grid);

            // The caption's lines start where they do on the button's pixels,
            // mapped; the embossed look draws its highlight one pixel right
            // and down first.
            const std::size_t passes = c.enabled ? 1 : 2;
            ASSERT_EQ(text.calls.size(), passes) << c.state;
            for (std::size_t i = 0; i < passes; ++i) {
                const int shift = passes == 2 && i == 0 ? 1 : 0;
                const auto& call = text.calls[i];
                EXPECT_EQ(call.scale, ratio) << c.state;
                EXPECT_EQ(call.clip, grid.Map(caption.moved(shift, shift))) << c.state;
            }
            const Point origin = text.calls.back().origin;
            // The fake's first glyph block, at the device's resolution: ratio
            // times the 4 x 7 of its own pixels.
            const Colour ink = text.calls.back().colour;
            const auto at = [ratio](int length) { return static_cast<int>(std::lround(length * ratio)); };
            EXPECT_EQ(device.pixel(origin.x + at(1), origin.y + at(2)), ink) << c.state << " at " << ratio;
            EXPECT_EQ(device.pixel(origin.x + at(5) - 1, origin.y + at(9) - 1), ink) << c.state << " at " << ratio;
            Rect captionDevice = grid.Map(caption);
            captionDevice.right = grid.X(caption.right + 1);
            captionDevice.bottom = grid.Y(caption.bottom + 1);
            ExpectBlocksOutside(device, own, grid, captionDevice);
        }
    }
}

TEST_F(DevicePaintTest, AtOneDevicePixelToThePixelTheRepaintIsTheSurfaceItself) {
    painter.Resize(Captioned(), 36, 22);
    EXPECT_EQ(painter.PaintForDevice(DeviceGrid(1.0, 21, 13)), painter.surface());
    PaintInput empty = Captioned();
    empty.Caption.clear();
    painter.Resize(empty, 36, 22);
    text.calls.clear();
    ExpectBlocksOutside(painter.PaintForDevice(DeviceGrid(2.0, 0, 0)), painter.surface(), DeviceGrid(2.0, 0, 0), {});
    EXPECT_TRUE(text.calls.empty());
}

}  // namespace
}  // namespace torvel
