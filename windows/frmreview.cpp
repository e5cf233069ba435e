// The review window "Разбор партии": every word the source word allowed, who
// found it and what was missed.
#include "windows/frmreview.h"

#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QShortcut>
#include <algorithm>

#include "game/game_review.h"
#include "windows/beside_window.h"
#include "windows/controls.h"
#include "windows/cp1251_text.h"
#include "windows/form_buttons.h"
#include "windows/layouts.h"
#include "windows/review_list.h"
#include "windows/review_text.h"
#include "windows/theme.h"
#include "windows/word_lookup.h"

namespace torvel {

namespace {

// Between the lengths line, which takes the rows it needs (a source word of
// many lengths wraps it several times), and the list below it.
constexpr int kGap = 6;

// What a word's row keeps besides its text: the word alone (caption rows have
// none) and the line that glosses it.
constexpr int kWordRole = Qt::UserRole;
constexpr int kGlossLineRole = Qt::UserRole + 1;

QColor MarkColour(WordMark mark) {
    switch (mark) {
        case WordMark::Player:
            return theme::kFoundByPlayer;
        case WordMark::Computer:
            return theme::kFoundByComputer;
        case WordMark::Missed:
            return theme::kMissed;
    }
    return {};
}

// The caption above each length's words, which the keyboard steps over.
QListWidgetItem* LengthItem(std::size_t length, const QFont& font) {
    auto* item = new QListWidgetItem(QString::fromStdString(LengthCaption(length)));
    item->setFlags(Qt::NoItemFlags);
    QFont bold = font;
    bold.setBold(true);
    item->setFont(bold);
    item->setForeground(theme::kLengthCaption);
    return item;
}

QListWidgetItem* WordItem(const ReviewWord& word) {
    const QString text = FromCp1251(word.word);
    const QString mark = QString::fromStdString(MarkCaption(word.mark));
    const QString gloss = QString::fromStdString(word.gloss);
    auto* item = new QListWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setForeground(MarkColour(word.mark));
    // The gloss for the mouse too, which may rest on a word without choosing it.
    item->setToolTip(gloss.isEmpty() ? mark : mark + QStringLiteral("\n") + gloss);
    item->setData(Qt::AccessibleTextRole, text + QStringLiteral(", ") + mark);
    // Said to be English, so that a Russian voice does not read it as Russian.
    item->setData(Qt::AccessibleDescriptionRole,
                  gloss.isEmpty() ? QString() : QStringLiteral("по-английски: ") + gloss);
    item->setData(kWordRole, text);
    // "ЛИГНИТ — lignite (горн.)"; nothing, not a bare dash, without a gloss.
    item->setData(kGlossLineRole, gloss.isEmpty() ? QString() : text + QStringLiteral(" — ") + gloss);
    return item;
}

}  // namespace

frmreview::frmreview(ButtonServices& buttons, QWidget* mainWindow) : m_mainWindow(mainWindow) {
    using namespace review_layout;
    setObjectName(QStringLiteral("frmreview"));
    AnnounceAsDialog(this);
    MakeToolWindow(this, QStringLiteral("Разбор партии"), kClient);
    SetBackgroundColour(this, theme::kWindow);
    setFont(theme::WindowFont());

    AddShape(this, Shape1, Shape::Kind::Panel);
    m_Label1 = AddLabel(this, Label1, theme::ValueFont(), theme::kSourceWord, Qt::AlignHCenter);
    m_Label2 = AddLabel(this, Label2, theme::LineFont(), theme::kFigure, Qt::AlignLeft);
    m_Label3 = AddLabel(this, kBelowSummary, font(), theme::kFigure, Qt::AlignLeft);
    m_Label4 = AddLabel(this, Label4, theme::ListFont(), theme::kGloss, Qt::AlignLeft);
    for (QLabel* line : {m_Label2, m_Label3, m_Label4}) line->setWordWrap(true);
    // Tab goes from the list to "Закрыть" and on through the summary.
    for (QLabel* line : {m_Label1, m_Label2, m_Label3}) MakeReadable(line);
    // A gloss may be worth copying.
    m_Label4->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_List1 = new ReviewList(this);
    m_List1->setObjectName(QStringLiteral("List1"));
    // Rows are read, not chosen: the keyboard moves a focus frame through
    // them, and a highlight would hide the colour that tells who found a word.
    m_List1->setSelectionMode(QAbstractItemView::NoSelection);
    m_List1->setFont(theme::ListFont());
    m_List1->setAccessibleName(QStringLiteral("Слова из букв исходного слова"));
    QPalette listColours = m_List1->palette();
    listColours.setColor(QPalette::Base, theme::kWindow);
    m_List1->setPalette(listColours);
    connect(m_List1, &QListWidget::currentItemChanged, this, [this](const QListWidgetItem* item) {
        m_Label4->setText(item != nullptr ? item->data(kGlossLineRole).toString() : QString());
    });
    // A double click, not the activation of the desktop's style, which may
    // come with a single click: the list is there to be read.
    connect(m_List1, &QListWidget::itemDoubleClicked, this, &frmreview::LookUp);
    // As in the main window's lists, the context menu asks too.
    m_List1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_List1, &QListWidget::customContextMenuRequested, this, [this](const QPoint& point) {
        const QListWidgetItem* const item = m_List1->itemAt(point);
        const QString word = item != nullptr ? item->data(kWordRole).toString() : QString();
        if (!word.isEmpty()) {
            PopUpLookUpMenu(this, m_List1->viewport()->mapToGlobal(point), word,
                            [this, word] { emit lookUpRequested(word); });
        }
    });
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), m_List1);
        enter->setContext(Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this, [this] { LookUp(m_List1->currentItem()); });
    }

    FormButtons(this, QStringLiteral("frmreview"), buttons).Restore(VantorButton1, [this] { close(); });

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void frmreview::ShowReview(const GameReview& review) {
    if (isVisible()) {
        RefreshReview(review);
    } else {
        Fill(review);
        // The keyboard starts on the first word.
        m_List1->SetCurrentWord(0);
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
    m_List1->SetCurrentWord(std::clamp(row, 0, m_List1->count() - 1));
    m_List1->verticalScrollBar()->setValue(scrolled);
}

void frmreview::Fill(const GameReview& review) {
    const QString sourceWord = FromCp1251(review.sourceWord);
    ShowAnnounced(m_Label1, QStringLiteral("Исходное слово"), sourceWord);
    m_Label2->setText(QString::fromStdString(FoundLine(review)));
    m_Label3->setText(QString::fromStdString(LengthsLine(review)));
    // The summary once more, for a screen reader that reads the window's
    // description rather than its texts as it opens.
    QString summary = QStringLiteral("Исходное слово: %1. %2.").arg(sourceWord, m_Label2->text());
    if (!review.lengths.empty()) {
        summary += QStringLiteral(" %1.").arg(QString::fromStdString(LengthsLine(review, "; ")));
    }
    setAccessibleDescription(summary);
    const QRect below = review_layout::kBelowSummary.rect();
    const int lengthsHeight = m_Label3->heightForWidth(below.width());
    m_Label3->setGeometry(below.x(), below.y(), below.width(), lengthsHeight);
    m_List1->setGeometry(below.adjusted(0, lengthsHeight + kGap, 0, 0));

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

void frmreview::LookUp(const QListWidgetItem* item) {
    const QString word = item != nullptr ? item->data(kWordRole).toString() : QString();
    if (!word.isEmpty()) emit lookUpRequested(word);
}

bool frmreview::ReviewOpen() const { return isVisible(); }

void frmreview::CloseReview() { close(); }

}  // namespace torvel
