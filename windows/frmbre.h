// The best-results window: the table of best results in twenty cells, and
// "История" for the player's statistics.
#pragma once

#include <QWidget>
#include <array>

#include "results/record_table.h"
#include "session/screens.h"

class QLabel;

namespace torvel {

class ButtonServices;
class NameDialog;

// Shows the table it is handed; the player cannot edit its cells. Every
// closing (its button, its close box, the end of the program) reports the
// unloading, so that the table is saved. The name for a new row is asked
// with `names`.
class frmbre final : public QWidget, public RecordsScreen {
    Q_OBJECT
public:
    frmbre(ButtonServices& buttons, NameDialog& names);

    void FillTable(const RecordTable& table) override;
    void ShowTable(const RecordTable& table) override;
    std::string AskName() override;
    void PutAwayTable() override;
    void UnloadTable() override;
    void KeepTableOpen() override;

signals:
    void unloaded();
    // "История".
    void historyClicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    NameDialog& m_names;
    std::array<QLabel*, RecordTable::kRows> m_Label1{};  // scores
    std::array<QLabel*, RecordTable::kRows> m_Label2{};  // names
    bool m_keepOpen = false;
};

}  // namespace torvel
