// The Qt text renderer: font mapping, clipping, and cached runs drawing the
// same pixels as fresh ones.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontDatabase>
#include <string>

#include "button/qt/installed_family.h"
#include "button/qt/qt_text_renderer.h"

namespace torvel {
namespace {

using QtTextTest = ::testing::Test;

TEST_F(QtTextTest, FontsAreSizedInPixelsAt96DpiWithMetricCompatibleFallbacks) {
    struct Case {
        FontAttributes attributes;
        int pixelSize;
        const char* standIn;
    };
    FontAttributes styled;
    styled.name = "Arial";
    styled.size = 10;
    styled.bold = true;
    styled.italic = true;
    styled.underline = true;
    styled.strikethrough = true;
    const Case cases[] = {{FontAttributes{}, 11, "Liberation Sans Narrow"}, {styled, 13, "Liberation Sans"}};
    for (const Case& c : cases) {
        const QFont font = QtTextRenderer::MakeFont(c.attributes);
        EXPECT_EQ(font.pixelSize(), c.pixelSize) << c.attributes.name;
        EXPECT_EQ(font.bold(), c.attributes.bold);
        EXPECT_EQ(font.italic(), c.attributes.italic);
        EXPECT_EQ(font.underline(), c.attributes.underline);
        EXPECT_EQ(font.strikeOut(), c.attributes.strikethrough);
        if (!QFontDatabase::hasFamily(QString::fromStdString(c.attributes.name))) {
            EXPECT_EQ(font.family(), QLatin1String(c.standIn)) << c.attributes.name;
        }
    }
}

// The answers about families are kept, but not past a change of the fonts.
TEST_F(QtTextTest, AFamilyAddedOrRemovedWhileRunningIsSeenAtOnce) {
    QFile file(QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray font = file.readAll();
    // The same font under a family of its own: its names, in ASCII and in
    // UTF-16 (big-endian), end in "z".
    const auto wide = [](const QByteArray& ascii) {
        QByteArray bytes;
        for (const char c : ascii) bytes.append('\0').append(c);
        return bytes;
    };
    font.replace("Liberation Sans", "Liberation Sanz");
    font.replace(wide("Liberation Sans"), wide("Liberation Sanz"));
    const QString family = QStringLiteral("Liberation Sanz");

    EXPECT_FALSE(IsFamilyInstalled(family));
    const int id = QFontDatabase::addApplicationFontFromData(font);
    ASSERT_NE(id, -1);
    ASSERT_EQ(QFontDatabase::applicationFontFamilies(id), QStringList{family});
    EXPECT_TRUE(IsFamilyInstalled(family));
    QFontDatabase::removeApplicationFont(id);
    EXPECT_FALSE(IsFamilyInstalled(family));
}

TEST_F(QtTextTest, MetricsAndWidthsOfTheButtonFont) {
    QtTextRenderer renderer;
    const TextMetrics metrics = renderer.Metrics(FontAttributes{});
    EXPECT_GE(metrics.height, 11);
    EXPECT_LE(metrics.height, 16);
    EXPECT_GT(metrics.ascent, 0);
    EXPECT_LT(metrics.ascent, metrics.height);
    EXPECT_GE(metrics.averageCharWidth, 4);
    EXPECT_LE(metrics.averageCharWidth, 8);
    EXPECT_EQ(renderer.Width(FontAttributes{}, ""), 0);
    const int one = renderer.Width(FontAttributes{}, "Таблица");
    EXPECT_GT(one, 30);
    EXPECT_GT(renderer.Width(FontAttributes{}, "Таблица рекордов"), one);
    EXPECT_EQ(renderer.Width(FontAttributes{}, "Таблица"), one);
    FontAttributes bold;
    bold.bold = true;
    EXPECT_GT(renderer.Width(bold, "Таблица рекордов"), renderer.Width(FontAttributes{}, "Таблица рекордов"));
}

TEST_F(QtTextTest, CachedRunsDrawTheSamePixelsInsideTheClipOnly) {
    const Colour ground = Rgb(236, 233, 216);
    const Colour ink = Rgb(0, 0, 128);
    const auto draw = [&](QtTextRenderer& renderer, const Rect& clip) {
        Surface s(120, 29);
        s.FillRect({0, 0, 120, 29}, ground);
        renderer.Draw(s, FontAttributes{}, "Таблица рекордов", {10, 8}, ink, clip);
        return s;
    };
    QtTextRenderer renderer;
    const Rect all{0, 0, 120, 29};
    const Surface first = draw(renderer, all);
    const Surface again = draw(renderer, all);
    QtTextRenderer fresh;
    EXPECT_EQ(again, first);
    EXPECT_EQ(draw(fresh, all), first);

    int inked = 0;
    for (int y = 0; y < 29; ++y) {
        for (int x = 0; x < 120; ++x) {
            const Colour c = first.pixel(x, y);
            // One-colour glyphs: every pixel is the ink or the ground.
            EXPECT_TRUE(c == ink || c == ground) << x << "," << y;
            inked += c == ink ? 1 : 0;
        }
    }
    EXPECT_GT(inked, 60);

    const Rect left{0, 0, 40, 29};
    const Surface clipped = draw(renderer, left);
    for (int y = 0; y < 29; ++y) {
        for (int x = 0; x < 120; ++x) {
            EXPECT_EQ(clipped.pixel(x, y), x < 40 ? first.pixel(x, y) : ground) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace torvel
