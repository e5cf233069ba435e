// The best-results window: the table of best results in twenty cells.
#pragma once

#include <QWidget>
#include <array>

#include "results/record_table.h"
#include "session/screens.h"

class QLabel;

namespace torvel {

class ButtonServices;

// Shows the table it is handed; the player cannot edit its cells. Every
// closing (its button, its close box, the end of the program) reports the
// unloading, so that the table is saved.
class frmbre final : public QWidget, public RecordsScreen {
    Q_OBJECT
public:
    explicit frmbre(ButtonServices& buttons);

    void FillTable(const RecordTable& table) override;
    void ShowTable(const RecordTable& table) override;
    void PutAwayTable() override;
    void UnloadTable() override;
    void KeepTableOpen() override;

signals:
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::array<QLabel*, RecordTable::kRows> m_Label1{};  // scores
    std::array<QLabel*, RecordTable::kRows> m_Label2{};  // names
    bool m_keepOpen = false;
};

}  // namespace torvel
