// The chart of the history's points as painted: wins, draws and losses told
// apart by their fill as well as their colour, the scale's numbers apart.
#include <gtest/gtest.h>

#include <QImage>

#include "windows/points_chart.h"

namespace torvel::test {
namespace {

TEST(PointsChart, BarsDifferByTheirFillAndNumbersNearZeroStandApart) {
    // 0 and -27 are eight rows apart, less than a number's height.
    const std::vector<ChartGame> games{{380, Verdict::Win}, {-27, Verdict::Loss}, {150, Verdict::Draw}};
    PointsChart chart(nullptr);
    chart.resize(284, 160);
    chart.SetGames(games);
    const QImage image = chart.grab().toImage();

    // Down each bar's first and second columns, the share in its colour: a
    // solid win, a loss's outline, a draw's stripes.
    const std::pair<double, double> shares[][2] = {
        {{1.0, 1.0}, {1.0, 1.0}}, {{1.0, 1.0}, {0.0, 0.3}}, {{0.45, 0.55}, {0.45, 0.55}}};
    for (std::size_t i = 0; i < games.size(); ++i) {
        const QRect bar = PointsChart::BarRect(image.size(), games, i);
        for (const int column : {0, 1}) {
            int painted = 0;
            for (int y = bar.top(); y <= bar.bottom(); ++y) {
                painted += image.pixelColor(bar.left() + column, y) == PointsChart::VerdictColour(games[i].verdict);
            }
            const double share = static_cast<double>(painted) / bar.height();
            EXPECT_TRUE(share >= shares[i][column].first && share <= shares[i][column].second) << i << ": " << share;
        }
    }

    // Left of the plot, bands of rows with ink: "Очки", then 380, 0 and -27.
    const QColor ground = image.pixelColor(0, image.height() - 1);
    int bands = 0;
    for (int y = 0, inked = 0; y < image.height(); ++y) {
        int row = 0;
        for (int x = 0; x < PointsChart::kLeft - 4; ++x) row |= image.pixelColor(x, y) != ground;
        bands += row > inked;
        inked = row;
    }
    EXPECT_EQ(bands, 4);
}

}  // namespace
}  // namespace torvel::test
