// The statistics window: the evaluation of a game, and "Далее" to enter it
// into the table of best results.
#pragma once

#include <QWidget>

class QLabel;

namespace torvel {

class ButtonServices;
struct Evaluation;
class NameDialog;
class frmbre;

class frmtvlstat final : public QWidget {
    Q_OBJECT
public:
    // The best-results window receives the entered result.
    frmtvlstat(frmbre& records, NameDialog& names, ButtonServices& buttons);

    // Fills the six labels and shows the window, or shows it again with the
    // newer evaluation.
    void ShowEvaluation(const Evaluation& evaluation);

private:
    // "Далее": reads the table, enters the points if they earn a row (asking
    // for the name), shows the best results and closes this window. If the
    // table cannot be read the window stays open, so the player can try again
    // once the file is mended.
    void func();

    frmbre& m_records;
    NameDialog& m_names;
    QLabel* m_Label1 = nullptr;
    QLabel* m_Label2 = nullptr;
    QLabel* m_Label3 = nullptr;
    QLabel* m_Label4 = nullptr;
    QLabel* m_Label5 = nullptr;
    QLabel* m_Label6 = nullptr;
};

}  // namespace torvel
