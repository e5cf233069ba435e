// The surface and the window shape handed to Qt keep every pixel.
#include <gtest/gtest.h>

#include "button/paint/skin_region.h"
#include "button/qt/surface_image.h"

namespace torvel {
namespace {

TEST(SurfaceImage, ColoursAndShapeCarryOverPixelForPixel) {
    Surface surface(3, 2);
    surface.SetPixel(0, 0, Rgb(255, 0, 0));
    surface.SetPixel(1, 0, Rgb(0, 128, 0));
    surface.SetPixel(2, 1, Rgb(1, 2, 3));
    const QImage image = SurfaceToQImage(surface);
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 128, 0));
    EXPECT_EQ(image.pixel(2, 1), qRgb(1, 2, 3));
    EXPECT_EQ(image.pixel(0, 1), qRgb(0, 0, 0));

    const Region shape = BuildSkinRegion(12, 10);
    const QRegion region = RegionToQRegion(shape);
    int pixels = 0;
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 12; ++x) {
            EXPECT_EQ(region.contains(QPoint(x, y)), shape.Contains(x, y)) << x << "," << y;
            pixels += region.contains(QPoint(x, y)) ? 1 : 0;
        }
    }
    EXPECT_EQ(pixels, 12 * 10 - 12);
}

}  // namespace
}  // namespace torvel
