// The chart of the points of the player's last games, one bar each.
#pragma once

#include <QRect>
#include <QWidget>
#include <vector>

#include "player_files/history_figures.h"

namespace torvel {

// Bars stand on the zero line, up for positive points and down for negative,
// the oldest game on the left; wins, draws and losses each in a colour of
// their own. Above the bars the axis is named ("очки") beside a key of the
// colours, below them the order of the games; the highest and lowest points
// and zero are marked on the left. A screen reader reads the chart as the
// summary the window gives it as its description.
class PointsChart final : public QWidget {
    Q_OBJECT
public:
    // The margins around the bars, for the scale and the captions; the bars
    // share the rest in kChartGames places.
    static constexpr int kLeft = 34;
    static constexpr int kTop = 18;
    static constexpr int kRight = 4;
    static constexpr int kBottom = 18;

    explicit PointsChart(QWidget* parent);

    void SetGames(std::vector<ChartGame> games);

    // The bar of the game at `index` (0 the oldest shown) in a chart of
    // `size`, for the points of `games`.
    static QRect BarRect(QSize size, const std::vector<ChartGame>& games, std::size_t index);

    static QColor VerdictColour(Verdict verdict);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<ChartGame> m_games;
};

// Lets screen readers know the chart for what it is.
void InstallPointsChartAccessibility();

}  // namespace torvel
