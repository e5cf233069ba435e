// The best-results window: the table of best results in twenty cells.
#include "windows/frmbre.h"

#include <QCloseEvent>
#include <QLabel>

#include "button/qt/image_file.h"
#include "windows/controls.h"
#include "windows/form_buttons.h"
#include "windows/twips.h"
#include "windows/ui_font.h"

namespace torvel {

namespace {

QLabel* AddCell(QWidget* window, const QString& name, const QRect& geometry) {
    QLabel* cell = AddLabel(window, name, geometry, window->font(), QColor(64, 64, 64), Qt::AlignLeft);
    QPalette palette = cell->palette();
    palette.setColor(QPalette::Window, QColor(192, 255, 192));
    cell->setPalette(palette);
    cell->setAutoFillBackground(true);
    return cell;
}

}  // namespace

frmbre::frmbre(ButtonServices& buttons) {
    setObjectName(QStringLiteral("frmbre"));
    MakeToolWindow(this, QStringLiteral("Лучшие результаты"), TwipsRect(0, 0, 4530, 5145).size());
    setWindowIcon(IconFromImageFiles(
        {QStringLiteral(":/torvel/images/records_icon_16.png"), QStringLiteral(":/torvel/images/records_icon_32.png")}));
    SetBackgroundColour(this, QColor(255, 224, 192));
    setFont(UiFont(QStringLiteral("MS Sans Serif"), 8.25));

    // From the back to the front: the panel, the scores, the names (each
    // overlapping its score by a pixel, drawn over it), the button.
    AddShape(this, QStringLiteral("Shape1"), Shape::Kind::Panel, TwipsRect(105, 105, 4320, 4950));
    for (int k = 0; k < RecordTable::kRows; ++k) {
        m_Label1[k] = AddCell(this, QStringLiteral("Label1_%1").arg(k), TwipsRect(3150, 420 + 420 * k, 1170, 330));
    }
    for (int k = 0; k < RecordTable::kRows; ++k) {
        m_Label2[k] = AddCell(this, QStringLiteral("Label2_%1").arg(k), TwipsRect(210, 420 + 420 * k, 2955, 330));
    }
    FormButtons(this, QStringLiteral("frmbre"), buttons)
        .Restore(QStringLiteral("VantorButton1"), TwipsRect(1260, 4620, 2010, 330), [this] { close(); });
}

void frmbre::FillTable(const RecordTable& table) {
    for (int k = 0; k < RecordTable::kRows; ++k) {
        m_Label2[k]->setText(QString::fromStdString(table.nameUtf8(k)));
        m_Label1[k]->setText(QString::fromStdString(table.scoreUtf8(k)));
    }
}

void frmbre::ShowTable(const RecordTable& table) {
    FillTable(table);
    show();
    raise();
    activateWindow();
}

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
