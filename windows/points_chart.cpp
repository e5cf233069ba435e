// The chart of the points of the player's last games, one bar each.
#include "windows/points_chart.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>
#include <set>

#include "windows/history_text.h"
#include "windows/theme.h"

namespace torvel {

namespace {

// The range of the scale: zero always on it, and never empty.
std::pair<int, int> Range(const std::vector<ChartGame>& games) {
    int low = 0;
    int high = 0;
    for (const ChartGame& game : games) {
        low = std::min(low, game.points);
        high = std::max(high, game.points);
    }
    return {low, high == low ? low + 1 : high};
}

QRect PlotRect(QSize size) {
    return {PointsChart::kLeft, PointsChart::kTop, size.width() - PointsChart::kLeft - PointsChart::kRight,
            size.height() - PointsChart::kTop - PointsChart::kBottom};
}

// The row of `points` on the scale; 64 bits, since points may be large.
int Row(const QRect& plot, std::pair<int, int> range, int points) {
    const auto [low, high] = range;
    const long long span = static_cast<long long>(high) - low;
    const long long down = (static_cast<long long>(high) - points) * (plot.height() - 1);
    return plot.top() + static_cast<int>((down + span / 2) / span);
}

}  // namespace

PointsChart::PointsChart(QWidget* parent) : QWidget(parent) {
    setFont(theme::WindowFont());
    setAccessibleName(QStringLiteral("График очков"));
}

void PointsChart::SetGames(std::vector<ChartGame> games) {
    m_games = std::move(games);
    update();
}

QRect PointsChart::BarRect(QSize size, const std::vector<ChartGame>& games, std::size_t index) {
    const QRect plot = PlotRect(size);
    const auto places = static_cast<int>(HistoryFigures::kChartGames);
    const int i = static_cast<int>(index);
    const int left = plot.left() + i * plot.width() / places;
    const int right = plot.left() + (i + 1) * plot.width() / places - 1;  // a pixel's gap to the next
    const std::pair<int, int> range = Range(games);
    const int zero = Row(plot, range, 0);
    const int top = Row(plot, range, games[index].points);
    // A game of no points still shows, as a bar a pixel high.
    return QRect(QPoint(left, std::min(zero, top)), QPoint(std::max(left, right - 1), std::max(zero, top)));
}

QColor PointsChart::VerdictColour(Verdict verdict) {
    switch (verdict) {
        case Verdict::Win:
            return theme::kWin;
        case Verdict::Loss:
            return theme::kLoss;
        case Verdict::Draw:
            return theme::kDraw;
    }
    return {};
}

void PointsChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect plot = PlotRect(size());
    painter.fillRect(plot, theme::kWindow);
    painter.setPen(theme::kOutline);
    painter.drawRect(plot.adjusted(-1, -1, 0, 0));
    const std::pair<int, int> range = Range(m_games);
    const QFontMetrics metrics(font());
    painter.setPen(theme::kText);

    // The scale: the highest and lowest points and zero, each with its line.
    for (const int mark : std::set<int>{range.first, 0, range.second}) {
        const int row = Row(plot, range, mark);
        painter.drawLine(plot.left(), row, plot.right(), row);
        const QRect label(0, row - metrics.height() / 2, kLeft - 4, metrics.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, QString::number(mark));
    }

    for (std::size_t i = 0; i < m_games.size() && i < HistoryFigures::kChartGames; ++i) {
        painter.fillRect(BarRect(size(), m_games, i), VerdictColour(m_games[i].verdict));
    }

    // The axis's name on the left above the bars, the key of the colours on the right.
    const QRect captions(0, 0, width(), kTop - 2);
    painter.drawText(captions, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Очки"));
    int right = width() - kRight;
    for (const Verdict verdict : {Verdict::Loss, Verdict::Draw, Verdict::Win}) {
        const QString word = QString::fromStdString(VerdictWord(verdict));
        right -= metrics.horizontalAdvance(word);
        painter.setPen(theme::kText);
        painter.drawText(QRect(right, 0, metrics.horizontalAdvance(word), kTop - 2), Qt::AlignVCenter, word);
        right -= 12;
        painter.fillRect(QRect(right, (kTop - 2) / 2 - 4, 8, 8), VerdictColour(verdict));
        right -= 8;
    }
    painter.drawText(QRect(plot.left(), height() - kBottom + 2, plot.width(), kBottom - 2), Qt::AlignCenter,
                     QStringLiteral("Партии, от давней к последней"));
}

void InstallPointsChartAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
            if (className != QLatin1String("torvel::PointsChart") || !object->isWidgetType()) return nullptr;
            return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
        });
        return true;
    }();
    (void)installed;
}

}  // namespace torvel
