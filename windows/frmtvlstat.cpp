// The statistics window: the evaluation of a game, "Далее" to enter it into
// the table of best results and "Разбор" for the review of the game.
#include "windows/frmtvlstat.h"

#include <QLabel>

#include "windows/controls.h"
#include "windows/form_buttons.h"
#include "windows/layouts.h"
#include "windows/statistics_text.h"
#include "windows/theme.h"

namespace torvel {

frmtvlstat::frmtvlstat(ButtonServices& buttons) {
    using namespace statistics_layout;
    setObjectName(QStringLiteral("frmtvlstat"));
    MakeToolWindow(this, QStringLiteral("Статистика игры"), kClient);
    SetBackgroundColour(this, theme::kWindow);
    setFont(theme::WindowFont());

    AddShape(this, Shape1, Shape::Kind::Panel);
    m_Label1 = AddLabel(this, Label1, theme::HeadlineFont(), theme::kVerdict, Qt::AlignHCenter);
    m_Label2 = AddLabel(this, Label2, theme::LineFont(), theme::kText, Qt::AlignLeft);
    m_Label3 = AddLabel(this, Label3, theme::LineFont(), theme::kText, Qt::AlignLeft);
    m_Label4 = AddLabel(this, Label4, theme::LineFont(), theme::kText, Qt::AlignLeft);
    for (QLabel* line : {m_Label2, m_Label3, m_Label4}) line->setWordWrap(true);
    m_Label5 = AddLabel(this, Label5, theme::PointsFont(), theme::kTotal, Qt::AlignHCenter);
    m_Label6 = AddLabel(this, Label6, font(), theme::kHiddenValue, Qt::AlignLeft);
    m_Label6->hide();

    FormButtons form(this, QStringLiteral("frmtvlstat"), buttons);
    form.Restore(VantorButton1, [this] { emit nextClicked(); });
    form.Restore(VantorButton2, [this] { emit reviewClicked(); });
}

void frmtvlstat::ShowEvaluation(const Evaluation& evaluation) {
    const std::array<std::string, 6> lines = StatisticsLines(evaluation);
    const std::array<QLabel*, 6> labels{m_Label1, m_Label2, m_Label3, m_Label4, m_Label5, m_Label6};
    for (std::size_t i = 0; i < lines.size(); ++i) labels[i]->setText(QString::fromStdString(lines[i]));
    show();
    raise();
    activateWindow();
}

void frmtvlstat::CloseStatistics() { close(); }

}  // namespace torvel
