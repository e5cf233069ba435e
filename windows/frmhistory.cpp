// The window "История игр": the player's figures over every game played,
// and a chart of the points of the last ones.
#include "windows/frmhistory.h"

#include <QLabel>
#include <QShortcut>

#include "button/qt/vantor_button.h"
#include "player_files/history_figures.h"
#include "windows/beside_window.h"
#include "windows/controls.h"
#include "windows/form_buttons.h"
#include "windows/history_text.h"
#include "windows/layouts.h"
#include "windows/points_chart.h"
#include "windows/theme.h"

namespace torvel {

frmhistory::frmhistory(ButtonServices& buttons, QWidget* mainWindow) : m_mainWindow(mainWindow) {
    using namespace history_layout;
    setObjectName(QStringLiteral("frmhistory"));
    AnnounceAsDialog(this);
    MakeToolWindow(this, QStringLiteral("История игр"), kClient);
    SetBackgroundColour(this, theme::kWindow);
    setFont(theme::WindowFont());

    AddShape(this, Shape1, Shape::Kind::Panel);
    m_lines[0] = AddLabel(this, Label1, theme::HeadlineFont(), theme::kGamesPlayed, Qt::AlignHCenter);
    const Place lines[] = {Label2, Label3, Label4, Label5};
    for (std::size_t i = 1; i < m_lines.size(); ++i) {
        m_lines[i] = AddLabel(this, lines[i - 1], theme::LineFont(), theme::kFigure, Qt::AlignLeft);
        m_lines[i]->setWordWrap(true);
    }
    for (QLabel* line : m_lines) MakeReadable(line);
    InstallPointsChartAccessibility();
    m_chart = Placed(new PointsChart(this), Chart1);

    // Tab goes from it through the lines and the chart and back.
    m_close = FormButtons(this, QStringLiteral("frmhistory"), buttons).Restore(VantorButton1, [this] { close(); });

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void frmhistory::RefreshHistory(const HistoryFigures& figures) {
    const std::string texts[] = {GamesLine(figures), ResultsLine(figures), PointsLine(figures),
                                 LongestWordLine(figures), WordLengthLine(figures)};
    for (std::size_t i = 0; i < m_lines.size(); ++i) m_lines[i]->setText(QString::fromStdString(texts[i]));
    m_chart->SetGames(figures.lastGames);
    m_chart->setAccessibleDescription(QString::fromStdString(ChartSummary(figures)));
    // Without a game played there is nothing to count: the first line says so.
    const bool played = figures.games > 0;
    for (std::size_t i = 1; i < m_lines.size(); ++i) m_lines[i]->setVisible(played);
    m_chart->setVisible(played);
    // The figures once more, for a screen reader that reads the window's
    // description rather than its texts as it opens.
    setAccessibleDescription(QString::fromStdString(played ? HistorySummary(figures) : texts[0]));
}

void frmhistory::ShowHistory(const HistoryFigures& figures) {
    RefreshHistory(figures);
    if (!isVisible()) {
        if (m_mainWindow) MoveBeside(this, m_mainWindow);
        // The keyboard starts on "Закрыть", as in the other windows; a screen
        // reader reads the figures as the window opens.
        m_close->setFocus();
    }
    show();
    raise();
    activateWindow();
}

}  // namespace torvel
