// The review window "Разбор партии": every word the source word allowed, who
// found it and what was missed.
#include "windows/frmreview.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
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
#include "windows/word_lookup.h"

namespace torvel {

namespace {

// The lengths line, the list and the gloss line share the panel below the
// summary: the lengths line takes the rows it needs (a source word of many
// lengths wraps it several times), the gloss line two rows at the foot, and
// the list the rest.
constexpr QRect kBelowSummary = TwipsRect(210, 1230, 4260, 4500);
constexpr int kGap = 6;

// What a word's row keeps besides its text: the word alone (caption rows have
// none) and the line that glosses it.
constexpr int kWordRole = Qt::UserRole;
constexpr int kGlossLineRole = Qt::UserRole + 1;

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
    // The gloss for the mouse too, which may rest on a word without choosing it.
    item->setToolTip(word.gloss.empty() ? mark : mark + QStringLiteral("\n") + QString::fromStdString(word.gloss));
    item->setData(Qt::AccessibleTextRole, text + QStringLiteral(", ") + mark);
    item->setData(Qt::AccessibleDescriptionRole, QString::fromStdString(word.gloss));
    item->setData(kWordRole, text);
    item->setData(kGlossLineRole, QString::fromStdString(GlossLine(word)));
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
    m_Label4 = AddLabel(this, QStringLiteral("Label4"), kBelowSummary, UiFont(arial, 9.75), Qt::black, Qt::AlignLeft);
    for (QLabel* line : {m_Label2, m_Label3, m_Label4}) line->setWordWrap(true);
    // A gloss may be worth copying.
    m_Label4->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const int glossHeight = 2 * m_Label4->fontMetrics().lineSpacing();
    m_Label4->setGeometry(kBelowSummary.adjusted(0, kBelowSummary.height() - glossHeight, 0, 0));

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
        if (m_mainWindow) {
            QScreen* screen = m_mainWindow->screen();
            if (screen == nullptr) screen = QGuiApplication::primaryScreen();
            if (screen != nullptr) move(BesideWindow(m_mainWindow->frameGeometry(), size(), screen->availableGeometry()));
        }
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
    m_List1->setGeometry(kBelowSummary.adjusted(0, lengthsHeight + kGap, 0, -(m_Label4->height() + kGap)));

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
