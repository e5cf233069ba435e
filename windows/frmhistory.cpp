// The window "Статистика игр": the player's figures over every game played,
// and a chart of the points of the last ones.
#include "windows/frmhistory.h"

#include <QLabel>
#include <QShortcut>

#include "history/history_figures.h"
#include "windows/beside_window.h"
#include "windows/controls.h"
#include "windows/form_buttons.h"
#include "windows/history_text.h"
#include "windows/points_chart.h"
#include "windows/twips.h"
#include "windows/ui_font.h"

namespace torvel {

frmhistory::frmhistory(ButtonServices& buttons, QWidget* mainWindow) : m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("frmhistory"));
    MakeToolWindow(this, QStringLiteral("Статистика игр"), TwipsRect(0, 0, 4680, 5640).size());
    SetBackgroundColour(this, QColor(255, 224, 192));
    setFont(UiFont(QStringLiteral("MS Sans Serif"), 8.25));

    const QString arial = QStringLiteral("Arial");
    const QColor grey(128, 128, 128);
    const QFont lineFont = UiFont(arial, 9.75, true);
    AddShape(this, QStringLiteral("Shape1"), Shape::Kind::Panel, TwipsRect(105, 105, 4470, 5430));
    m_lines[0] = AddLabel(this, QStringLiteral("Label1"), TwipsRect(210, 210, 4260, 435), UiFont(arial, 14.25),
                          QColor(0, 128, 0), Qt::AlignHCenter);
    const QRect lines[] = {TwipsRect(210, 720, 4260, 540), TwipsRect(210, 1290, 4260, 330),
                           TwipsRect(210, 1650, 4260, 540), TwipsRect(210, 2220, 4260, 330)};
    for (std::size_t i = 1; i < m_lines.size(); ++i) {
        m_lines[i] = AddLabel(this, QStringLiteral("Label%1").arg(i + 1), lines[i - 1], lineFont, grey, Qt::AlignLeft);
        m_lines[i]->setWordWrap(true);
    }
    InstallPointsChartAccessibility();
    m_chart = new PointsChart(this);
    m_chart->setGeometry(TwipsRect(210, 2640, 4260, 2400));

    FormButtons(this, QStringLiteral("frmhistory"), buttons)
        .Restore(QStringLiteral("VantorButton1"), TwipsRect(1695, 5160, 1275, 330), [this] { close(); });

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void frmhistory::ShowHistory(const HistoryFigures& figures) {
    const std::string texts[] = {GamesLine(figures), ResultsLine(figures), PointsLine(figures),
                                 LongestWordLine(figures), WordLengthLine(figures)};
    for (std::size_t i = 0; i < m_lines.size(); ++i) m_lines[i]->setText(QString::fromStdString(texts[i]));
    m_chart->SetGames(figures.lastGames);
    m_chart->setAccessibleDescription(QString::fromStdString(ChartSummary(figures)));
    // Without a game played there is nothing to count: the first line says so.
    const bool played = figures.games > 0;
    for (std::size_t i = 1; i < m_lines.size(); ++i) m_lines[i]->setVisible(played);
    m_chart->setVisible(played);

    if (!isVisible() && m_mainWindow) MoveBeside(this, m_mainWindow);
    show();
    raise();
    activateWindow();
}

}  // namespace torvel
