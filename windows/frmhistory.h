// The window "История игр": the player's figures over every game played,
// and a chart of the points of the last ones.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>

#include "session/screens.h"

class QLabel;

namespace torvel {

class ButtonServices;
class PointsChart;
class VantorButton;

// A tool window, built when first opened, reused after, and opened beside the
// main window. Escape closes it. To assistive technology it is a dialog whose
// description holds its figures; every figure is a label that Tab reaches,
// and the chart, which Tab reaches too, describes itself in words.
class frmhistory final : public QWidget, public HistoryScreen {
    Q_OBJECT
public:
    frmhistory(ButtonServices& buttons, QWidget* mainWindow);

    void ShowHistory(const HistoryFigures& figures) override;
    void RefreshHistory(const HistoryFigures& figures) override;
    bool HistoryOpen() const override { return isVisible(); }

private:
    QPointer<QWidget> m_mainWindow;
    std::array<QLabel*, 5> m_lines{};  // games, results, points, longest word, word length
    PointsChart* m_chart = nullptr;
    VantorButton* m_close = nullptr;
};

}  // namespace torvel
