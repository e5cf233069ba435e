// The review window "Разбор партии": every word the source word allowed, who
// found it and what was missed.
#include "windows/frmreview.h"

#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QShortcut>
#include <algorithm>

#include "common/cp1251.h"
#include "game/game_review.h"
#include "windows/beside_window.h"
#include "windows/controls.h"
#include "windows/form_buttons.h"
#include "windows/review_text.h"
#include "windows/twips.h"
#include "windows/ui_font.h"

namespace torvel {

namespace {

// The lengths line and the list share the panel below the summary: the line
// takes the rows it needs (a source word of many lengths wraps it several
// times), the list the rest, down to this.
constexpr QRect kBelowSummary = TwipsRect(210, 1230, 4260, 4500);
constexpr int kGap = 6;

QColor MarkColour(WordMark mark) {
    switch (mark) {
        case WordMark::Player:
            return {0, 128, 0};
        case WordMark::Computer:
            return {128, 128, 128};
        case WordMark::Missed:
            return {0, 0, 0};
    }
    return {};
}

// The caption above each length's words.
QListWidgetItem* LengthItem(std::size_t length, const QFont& font) {
    auto* item = new QListWidgetItem(QString::fromStdString(LengthCaption(length)));
    item->setFlags(Qt::ItemIsEnabled);
    QFont bold = font;
    bold.setBold(true);
    item->setFont(bold);
    item->setForeground(QColor(0, 0, 255));
    return item;
}

QListWidgetItem* WordItem(const ReviewWord& word) {
    const QString text = QString::fromStdString(Cp1251ToUtf8(word.word));
    const QString mark = QString::fromStdString(MarkCaption(word.mark));
    auto* item = new QListWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setForeground(MarkColour(word.mark));
    item->setToolTip(mark);
    item->setData(Qt::AccessibleTextRole, text + QStringLiteral(", ") + mark);
    return item;
}

}  // namespace

frmreview::frmreview(ButtonServices& buttons, QWidget* mainWindow) : m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("frmreview"));
    MakeToolWindow(this, QStringLiteral("Разбор партии"), TwipsRect(0, 0, 4680, 6300).size());
    SetBackgroundColour(this, QColor(255, 224, 192));
    setFont(UiFont(QStringLiteral("MS Sans Serif"), 8.25));

    const QString arial = QStringLiteral("Arial");
    const QColor grey(128, 128, 128);
    AddShape(this, QStringLiteral("Shape1"), Shape::Kind::Panel, TwipsRect(105, 105, 4470, 6090));
    m_Label1 = AddLabel(this, QStringLiteral("Label1"), TwipsRect(210, 210, 4260, 435), UiFont(arial, 15.75, true),
                        QColor(0, 0, 255), Qt::AlignHCenter);
    m_Label2 = AddLabel(this, QStringLiteral("Label2"), TwipsRect(210, 660, 4260, 540), UiFont(arial, 9.75, true),
                        grey, Qt::AlignLeft);
    m_Label3 = AddLabel(this, QStringLiteral("Label3"), kBelowSummary, font(), grey, Qt::AlignLeft);
    for (QLabel* line : {m_Label2, m_Label3}) line->setWordWrap(true);

    m_List1 = new QListWidget(this);
    m_List1->setObjectName(QStringLiteral("List1"));
    // Rows are read, not chosen: the keyboard moves a focus frame through
    // them, and a highlight would hide the colour that tells who found a word.
    m_List1->setSelectionMode(QAbstractItemView::NoSelection);
    m_List1->setFont(UiFont(arial, 9.75));
    m_List1->setAccessibleName(QStringLiteral("Слова из букв исходного слова"));
    QPalette listColours = m_List1->palette();
    listColours.setColor(QPalette::Base, QColor(255, 224, 192));
    m_List1->setPalette(listColours);

    FormButtons(this, QStringLiteral("frmreview"), buttons)
        .Restore(QStringLiteral("VantorButton1"), TwipsRect(1695, 5835, 1275, 330), [this] { close(); });

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void frmreview::ShowReview(const GameReview& review) {
    if (isVisible()) {
        RefreshReview(review);
    } else {
        Fill(review);
        // The keyboard starts at the top of the list.
        m_List1->setCurrentRow(0);
        if (m_mainWindow) MoveBeside(this, m_mainWindow);
    }
    show();
    raise();
    activateWindow();
    m_List1->setFocus();
}

void frmreview::RefreshReview(const GameReview& review) {
    // The player's place in the list stays where it was.
    const int row = m_List1->currentRow();
    const int scrolled = m_List1->verticalScrollBar()->value();
    Fill(review);
    m_List1->setCurrentRow(std::clamp(row, 0, m_List1->count() - 1));
    m_List1->verticalScrollBar()->setValue(scrolled);
}

void frmreview::Fill(const GameReview& review) {
    m_Label1->setText(QString::fromStdString(Cp1251ToUtf8(review.sourceWord)));
    m_Label2->setText(QString::fromStdString(FoundLine(review)));
    m_Label3->setText(QString::fromStdString(LengthsLine(review)));
    const int lengthsHeight = m_Label3->heightForWidth(kBelowSummary.width());
    m_Label3->setGeometry(kBelowSummary.x(), kBelowSummary.y(), kBelowSummary.width(), lengthsHeight);
    m_List1->setGeometry(kBelowSummary.adjusted(0, lengthsHeight + kGap, 0, 0));

    m_List1->clear();
    std::size_t length = 0;
    for (const ReviewWord& word : review.words) {
        if (word.word.size() != length) {
            length = word.word.size();
            m_List1->addItem(LengthItem(length, m_List1->font()));
        }
        m_List1->addItem(WordItem(word));
    }
}

bool frmreview::ReviewOpen() const { return isVisible(); }

void frmreview::CloseReview() { close(); }

}  // namespace torvel
