// The statistics window: the evaluation of a game, "Далее" to enter it into
// the table of best results and "Разбор" for the review of the game.
#include "windows/frmtvlstat.h"

#include <QLabel>

#include "game/evaluation.h"
#include "windows/controls.h"
#include "windows/form_buttons.h"
#include "windows/twips.h"
#include "windows/ui_font.h"

namespace torvel {

frmtvlstat::frmtvlstat(ButtonServices& buttons) {
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

    FormButtons form(this, QStringLiteral("frmtvlstat"), buttons);
    form.Restore(QStringLiteral("VantorButton1"), TwipsRect(1680, 2835, 1275, 330), [this] { emit nextClicked(); });
    form.Restore(QStringLiteral("VantorButton2"), TwipsRect(3135, 2835, 1275, 330), [this] { emit reviewClicked(); });
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

void frmtvlstat::CloseStatistics() { close(); }

}  // namespace torvel
