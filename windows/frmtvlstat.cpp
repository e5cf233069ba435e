// The statistics window: the evaluation of a game, and "Далее" to enter it
// into the table of best results.
#include "windows/frmtvlstat.h"

#include <QLabel>

#include "common/leading_number.h"
#include "game/evaluation.h"
#include "windows/controls.h"
#include "windows/form_buttons.h"
#include "windows/frmbre.h"
#include "windows/name_dialog.h"
#include "windows/twips.h"
#include "windows/ui_font.h"

namespace torvel {

frmtvlstat::frmtvlstat(frmbre& records, NameDialog& names, ButtonServices& buttons)
    : m_records(records), m_names(names) {
    setObjectName(QStringLiteral("frmtvlstat"));
    MakeToolWindow(this, QStringLiteral("Статистика игры"), TwipsRect(0, 0, 4680, 3315).size());
    SetBackgroundColour(this, QColor(255, 224, 192));
    setFont(UiFont(QStringLiteral("MS Sans Serif"), 8.25));

    const QString arial = QStringLiteral("Arial");
    const QColor grey(128, 128, 128);
    const QFont lineFont = UiFont(arial, 9.75, true);
    AddShape(this, QStringLiteral("Shape1"), Shape::Kind::Panel, TwipsRect(105, 105, 4425, 3165));
    m_Label1 = AddLabel(this, QStringLiteral("Label1"), TwipsRect(525, 210, 3585, 435), UiFont(arial, 14.25),
                        QColor(0, 192, 0), Qt::AlignHCenter);
    m_Label2 = AddLabel(this, QStringLiteral("Label2"), TwipsRect(210, 630, 4215, 540), lineFont, grey, Qt::AlignLeft);
    m_Label3 = AddLabel(this, QStringLiteral("Label3"), TwipsRect(210, 1260, 4215, 645), lineFont, grey, Qt::AlignLeft);
    m_Label4 = AddLabel(this, QStringLiteral("Label4"), TwipsRect(210, 1890, 4215, 435), lineFont, grey, Qt::AlignLeft);
    for (QLabel* line : {m_Label2, m_Label3, m_Label4}) line->setWordWrap(true);
    m_Label5 = AddLabel(this, QStringLiteral("Label5"), TwipsRect(525, 2310, 3585, 435), UiFont(arial, 15.75),
                        QColor(0, 128, 0), Qt::AlignHCenter);
    m_Label6 =
        AddLabel(this, QStringLiteral("Label6"), TwipsRect(3360, 2940, 855, 225), font(), Qt::black, Qt::AlignLeft);
    m_Label6->hide();

    FormButtons(this, QStringLiteral("frmtvlstat"), buttons)
        .Restore(QStringLiteral("VantorButton1"), TwipsRect(1680, 2835, 1275, 330), [this] { func(); });
}

void frmtvlstat::ShowEvaluation(const Evaluation& evaluation) {
    m_Label1->setText(QString::fromStdString(evaluation.verdict));
    m_Label2->setText(QString::fromStdString(evaluation.sumLine));
    m_Label3->setText(QString::fromStdString(evaluation.differenceLine));
    m_Label4->setText(QString::fromStdString(evaluation.averageLine));
    m_Label5->setText(QString::fromStdString(evaluation.pointsLine));
    m_Label6->setText(QString::fromStdString(evaluation.pointsText));
    show();
    raise();
    activateWindow();
}

void frmtvlstat::func() {
    // The hidden label carries the points from the evaluation to here.
    const double points = LeadingNumber(m_Label6->text().toStdString());
    if (!m_records.LoadTable()) return;
    RecordTable& table = m_records.table();
    if (const auto row = table.findPosition(points)) {
        table.insertRow(*row, points, [this] { return m_names.Ask().toStdString(); });
    }
    m_records.ShowTable();
    close();
}

}  // namespace torvel
