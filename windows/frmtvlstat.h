// The statistics window: the evaluation of a game, "Далее" to enter it into
// the table of best results and "Разбор" for the review of the game.
#pragma once

#include <QWidget>

#include "session/screens.h"

class QLabel;

namespace torvel {

class ButtonServices;

class frmtvlstat final : public QWidget, public StatisticsScreen {
    Q_OBJECT
public:
    explicit frmtvlstat(ButtonServices& buttons);

    // Fills the six labels and shows the window, or shows it again with the
    // newer evaluation.
    void ShowEvaluation(const Evaluation& evaluation) override;
    void CloseStatistics() override;

signals:
    // "Далее".
    void nextClicked();
    // "Разбор".
    void reviewClicked();

private:
    QLabel* m_Label1 = nullptr;
    QLabel* m_Label2 = nullptr;
    QLabel* m_Label3 = nullptr;
    QLabel* m_Label4 = nullptr;
    QLabel* m_Label5 = nullptr;
    QLabel* m_Label6 = nullptr;
};

}  // namespace torvel
