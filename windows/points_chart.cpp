// The chart of the points of the player's last games, one bar each.
#include "windows/points_chart.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>
#include <functional>
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

// A bar, or a square of the key, in the look of its verdict: a win solid, a
// draw in stripes, filled on the rows an even number of rows from `even` and
// open on the others, a loss as an outline a pixel wide.
void PaintBar(QPainter& painter, const QRect& bar, Verdict verdict, int even) {
    const QColor colour = PointsChart::VerdictColour(verdict);
    switch (verdict) {
        case Verdict::Win:
            painter.fillRect(bar, colour);
            break;
        case Verdict::Draw:
            for (int y = bar.top(); y <= bar.bottom(); ++y) {
                if ((y - even) % 2 == 0) painter.fillRect(bar.left(), y, bar.width(), 1, colour);
            }
            break;
        case Verdict::Loss:
            painter.setPen(colour);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(bar.adjusted(0, 0, -1, -1));
            break;
    }
}

}  // namespace

PointsChart::PointsChart(QWidget* parent) : QWidget(parent) {
    setFont(theme::WindowFont());
    setAccessibleName(QStringLiteral("График очков"));
    setFocusPolicy(Qt::StrongFocus);
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

std::vector<int> PointsChart::MarkTops(const std::vector<int>& rows, int height, int top, int bottom) {
    std::vector<int> tops;
    for (const int row : rows) tops.push_back(row - height / 2);
    // Each pushed down clear of the one above it, then pulled back up where
    // that took the lowest past the bottom.
    int free = top;
    for (int& at : tops) {
        at = std::max(at, free);
        free = at + height;
    }
    free = bottom;
    for (auto at = tops.rbegin(); at != tops.rend(); ++at) {
        *at = std::min(*at, free - height);
        free = *at;
    }
    return tops;
}

void PointsChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect plot = PlotRect(size());
    painter.fillRect(plot, theme::kWindow);
    painter.setPen(theme::kOutline);
    painter.drawRect(plot.adjusted(-1, -1, 0, 0));
    const std::pair<int, int> range = Range(m_games);
    const QFontMetrics metrics(font());
    painter.setPen(theme::kFigure);

    // The scale: the highest and lowest points and zero, each with its line,
    // from the top down.
    const std::set<int, std::greater<>> marks{range.first, 0, range.second};
    std::vector<int> rows;
    for (const int mark : marks) rows.push_back(Row(plot, range, mark));
    const std::vector<int> tops = MarkTops(rows, metrics.height(), 0, height());
    auto top = tops.begin();
    auto row = rows.begin();
    for (const int mark : marks) {
        painter.drawLine(plot.left(), *row, plot.right(), *row);
        painter.drawText(QRect(0, *top, kLeft - 4, metrics.height()), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(mark));
        ++top;
        ++row;
    }

    const int zero = Row(plot, range, 0);
    for (std::size_t i = 0; i < m_games.size() && i < HistoryFigures::kChartGames; ++i) {
        PaintBar(painter, BarRect(size(), m_games, i), m_games[i].verdict, zero);
    }

    // The axis's name on the left above the bars, the key on the right.
    const QRect captions(0, 0, width(), kTop - 2);
    painter.setPen(theme::kFigure);
    painter.drawText(captions, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Очки"));
    int right = width() - kRight;
    for (const Verdict verdict : {Verdict::Loss, Verdict::Draw, Verdict::Win}) {
        const QString word = QString::fromStdString(VerdictWord(verdict));
        right -= metrics.horizontalAdvance(word);
        painter.setPen(theme::kFigure);
        painter.drawText(QRect(right, 0, metrics.horizontalAdvance(word), kTop - 2), Qt::AlignVCenter, word);
        right -= 12;
        const QRect square(right, (kTop - 2) / 2 - 4, 8, 8);
        PaintBar(painter, square, verdict, square.top());
        right -= 8;
    }
    painter.setPen(theme::kFigure);
    painter.drawText(QRect(plot.left(), height() - kBottom + 2, plot.width(), kBottom - 2), Qt::AlignCenter,
                     QStringLiteral("Партии, от давней к последней"));

    // Where the keyboard is: a dotted frame just outside the plot's.
    if (hasFocus()) {
        painter.setPen(QPen(theme::kKeyboardPlace, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(plot.adjusted(-2, -2, 1, 1));
    }
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
