// The best-results window: the table of best results in twenty cells.
#pragma once

#include <QWidget>
#include <array>

#include "results/record_table.h"

class QLabel;

namespace torvel {

class ButtonServices;
class MessageBox;

// Holds the table while it is shown: every opening reads results.tvl afresh,
// and every closing (its button, its close box, the end of the program) writes
// the table back.
class frmbre final : public QWidget {
    Q_OBJECT
public:
    frmbre(MessageBox& messages, ButtonServices& buttons);

    // Reads results.tvl into the cells. When the file cannot be used, tells the
    // player, puts the window away without saving (a file that could not be read
    // is never written over) and returns false.
    bool LoadTable();

    // The table the cells show; a result entered here appears at ShowTable.
    RecordTable& table() { return m_table; }

    // Shows the table as it stands now, opening the window or bringing it to
    // the front.
    void ShowTable();

    // Closes the window, saving its table, if it is open.
    void Unload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FillCells();

    MessageBox& m_messages;
    RecordTable m_table;
    std::array<QLabel*, RecordTable::kRows> m_Label1{};  // scores
    std::array<QLabel*, RecordTable::kRows> m_Label2{};  // names
};

}  // namespace torvel
