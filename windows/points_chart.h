// The chart of the points of the player's last games, one bar each.
#pragma once

#include <QRect>
#include <QWidget>
#include <vector>

#include "player_files/history_figures.h"

namespace torvel {

// Bars stand on the zero line, up for positive points and down for negative,
// the oldest game on the left. Wins, draws and losses each have a colour and
// a fill of their own, so that they differ for every eye: a win's bar is
// solid, a draw's striped across, a loss's an outline. Above the bars the
// axis is named ("очки") beside a key of the three, below them the order of
// the games; the highest and lowest points and zero are marked on the left,
// the marks moved apart where their rows are too close for their numbers.
// Tab reaches the chart, and a screen reader reads it as the summary the
// window gives it as its description.
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

    // Where the numbers of the scale go: for marks at `rows` (from the top
    // down), the top of each number `height` high, as near its mark's middle
    // as it can be without touching the one before it, and within [top, bottom).
    static std::vector<int> MarkTops(const std::vector<int>& rows, int height, int top, int bottom);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<ChartGame> m_games;
};

// Lets screen readers know the chart for what it is.
void InstallPointsChartAccessibility();

}  // namespace torvel
