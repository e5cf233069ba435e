// The best-results window: the table of best results in twenty cells.
#include "windows/frmbre.h"

#include <QCloseEvent>
#include <QLabel>

#include "button/qt/image_file.h"
#include "windows/controls.h"
#include "windows/cp1251_text.h"
#include "windows/form_buttons.h"
#include "windows/layouts.h"
#include "windows/name_dialog.h"
#include "windows/theme.h"

namespace torvel {

namespace {

QLabel* AddCell(QWidget* window, const Place& column, int row) {
    const QRect place = records_layout::Cell(column, row).rect();
    QLabel* cell = SetUpLabel(new QLabel(window), records_layout::CellName(column, row), place, window->font(),
                              theme::kCellText, Qt::AlignLeft);
    QPalette palette = cell->palette();
    palette.setColor(QPalette::Window, theme::kCell);
    cell->setPalette(palette);
    cell->setAutoFillBackground(true);
    return cell;
}

}  // namespace

frmbre::frmbre(ButtonServices& buttons, NameDialog& names) : m_names(names) {
    using namespace records_layout;
    setObjectName(QStringLiteral("frmbre"));
    MakeToolWindow(this, QStringLiteral("Лучшие результаты"), kClient);
    setWindowIcon(IconFromImageFiles(
        {QStringLiteral(":/torvel/images/records_icon_16.png"), QStringLiteral(":/torvel/images/records_icon_32.png")}));
    SetBackgroundColour(this, theme::kWindow);
    setFont(theme::WindowFont());

    // From the back to the front: the panel, the scores, the names (each
    // overlapping its score by a pixel, drawn over it), the button.
    AddShape(this, Shape1, Shape::Kind::Panel);
    for (int k = 0; k < RecordTable::kRows; ++k) m_Label1[k] = AddCell(this, Label1, k);
    for (int k = 0; k < RecordTable::kRows; ++k) m_Label2[k] = AddCell(this, Label2, k);
    FormButtons form(this, QStringLiteral("frmbre"), buttons);
    form.Restore(VantorButton1, [this] { close(); });
    form.Restore(VantorButton2, [this] { emit historyClicked(); });
}

void frmbre::FillTable(const RecordTable& table) {
    for (int k = 0; k < RecordTable::kRows; ++k) {
        m_Label2[k]->setText(FromCp1251(table.nameBytes(k)));
        m_Label1[k]->setText(FromCp1251(table.scoreBytes(k)));
    }
}

void frmbre::ShowTable(const RecordTable& table) {
    FillTable(table);
    show();
    raise();
    activateWindow();
}

std::string frmbre::AskName() { return m_names.Ask(); }

void frmbre::PutAwayTable() { hide(); }

void frmbre::UnloadTable() {
    if (isVisible()) close();
}

void frmbre::KeepTableOpen() { m_keepOpen = true; }

void frmbre::closeEvent(QCloseEvent* event) {
    // Closing is refused only while the table waits for another copy of the
    // game to let go of the file.
    m_keepOpen = false;
    emit unloaded();
    event->setAccepted(!m_keepOpen);
}

}  // namespace torvel
