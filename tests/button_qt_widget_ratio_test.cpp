// The button widget on screens of higher device pixel ratios, rendered as Qt
// paints a window there: the skin in whole blocks on the widget's own device
// pixels, the caption finer than the blocks.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "button/paint/device_grid.h"
#include "button/qt/qt_sound_player.h"
#include "button/qt/vantor_button.h"
#include "button_qt_widget_access.h"

namespace torvel {
namespace {

using testing::ModelOf;
using testing::PainterOf;

QRgb ToQRgb(Colour c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

TEST(WidgetRatioTest, TheSkinShowsInWholeBlocksAndTheCaptionInFinerDetail) {
    QtSoundPlayer sound;
    QWidget window;
    window.resize(200, 80);
    auto* button = new VantorButton(sound, Picture{}, &window);
    ModelOf(*button).SetButtonStyle(XPButton);
    ModelOf(*button).SetCaption("Таблица рекордов");
    // An odd position, so that fractional ratios start the blocks mid-pixel.
    button->setGeometry(21, 13, 119, 29);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const Surface& own = PainterOf(*button).surface();
    const Rect caption = PainterOf(*button).captionRect();

    for (const double ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 3.0}) {
        QImage screen(qRound(200 * ratio), qRound(80 * ratio), QImage::Format_RGB32);
        screen.setDevicePixelRatio(ratio);
        screen.fill(Qt::magenta);
        window.render(&screen);

        const DeviceGrid grid(ratio, 21 * ratio, 13 * ratio);
        const QPoint at(qRound(21 * ratio), qRound(13 * ratio));
        int finerBlocks = 0;
        for (int y = 0; y < own.height(); ++y) {
            for (int x = 0; x < own.width(); ++x) {
                const bool inCaption = x >= caption.left && x < caption.right && y >= caption.top && y < caption.bottom;
                // The window shape cuts three pixels at each corner.
                if (!PainterOf(*button).skinRegion()->Contains(x, y)) continue;
                bool uniform = true;
                for (int dy = grid.Y(y); dy < grid.Y(y + 1); ++dy) {
                    for (int dx = grid.X(x); dx < grid.X(x + 1); ++dx) {
                        const QRgb shown = screen.pixel(at.x() + dx, at.y() + dy);
                        if (!inCaption) {
                            ASSERT_EQ(shown, ToQRgb(own.pixel(x, y))) << ratio << ": " << x << "," << y;
                        }
                        uniform = uniform && shown == screen.pixel(at.x() + grid.X(x), at.y() + grid.Y(y));
                    }
                }
                finerBlocks += uniform ? 0 : 1;
            }
        }
        // At 1 every pixel is its own block; above, the glyphs' edges cut
        // through many blocks.
        if (ratio == 1.0) {
            EXPECT_EQ(finerBlocks, 0);
        } else {
            EXPECT_GT(finerBlocks, 40) << ratio;
        }
        // Nothing of the widget's device pixels is left unpainted, and
        // nothing around them is painted over.
        EXPECT_NE(screen.pixel(at.x() + grid.X(60), at.y()), qRgb(255, 0, 255)) << ratio;
        EXPECT_NE(screen.pixel(at.x() + grid.X(119) - 1, at.y() + grid.Y(14)), qRgb(255, 0, 255)) << ratio;
        EXPECT_NE(screen.pixel(at.x() + grid.X(119), at.y() + grid.Y(14)), ToQRgb(own.pixel(118, 14))) << ratio;
    }
}

}  // namespace
}  // namespace torvel
