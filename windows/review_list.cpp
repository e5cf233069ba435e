// The review's list of words, each length's words under a caption.
#include "windows/review_list.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QPointer>
#include <QStyledItemDelegate>
#include <unordered_map>

#include "windows/theme.h"

namespace torvel {

namespace {

// One row of the list to assistive technology. It follows its row while the
// list keeps it and is no longer valid once the list is filled anew.
class RowAccessible final : public QAccessibleInterface {
public:
    RowAccessible(ReviewList* list, int row) : m_list(list), m_index(list->model()->index(row, 0)) {}

    bool isValid() const override { return m_list != nullptr && m_index.isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_list != nullptr ? m_list->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_list.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    int row() const { return isValid() ? m_index.row() : -1; }

    QString text(QAccessible::Text kind) const override {
        if (!isValid()) return {};
        switch (kind) {
            case QAccessible::Name: {
                const QString name = m_index.data(Qt::AccessibleTextRole).toString();
                return name.isEmpty() ? m_index.data(Qt::DisplayRole).toString() : name;
            }
            case QAccessible::Description:
                return m_index.data(Qt::AccessibleDescriptionRole).toString();
            default:
                return {};
        }
    }

    QRect rect() const override {
        if (!isValid()) return {};
        const QRect shown = m_list->visualItemRect(m_list->item(m_index.row()));
        return QRect(m_list->viewport()->mapToGlobal(shown.topLeft()), shown.size());
    }

    QAccessible::Role role() const override {
        return isValid() && ReviewList::IsCaption(m_list->item(m_index.row())) ? QAccessible::Heading
                                                                               : QAccessible::ListItem;
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        if (!m_list->viewport()->rect().intersects(m_list->visualItemRect(m_list->item(m_index.row())))) {
            state.invisible = true;
            state.offscreen = true;
        }
        if (role() == QAccessible::ListItem) {
            state.focusable = true;
            state.focused = m_list->hasFocus() && m_list->currentIndex() == m_index;
        }
        return state;
    }

private:
    QPointer<ReviewList> m_list;
    QPersistentModelIndex m_index;
};

// The list, whose children are its rows and nothing else.
class ReviewListAccessible final : public QAccessibleWidget {
public:
    explicit ReviewListAccessible(ReviewList* list) : QAccessibleWidget(list, QAccessible::List) {}

    ~ReviewListAccessible() override {
        for (const auto& [row, id] : m_rows) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return list()->count(); }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= list()->count()) return nullptr;
        const auto known = m_rows.find(index);
        if (known != m_rows.end()) {
            auto* const row = static_cast<RowAccessible*>(QAccessible::accessibleInterface(known->second));
            if (row != nullptr && row->row() == index) return row;
            // The list was filled anew since.
            QAccessible::deleteAccessibleInterface(known->second);
            m_rows.erase(known);
        }
        auto* const row = new RowAccessible(list(), index);
        m_rows.emplace(index, QAccessible::registerAccessibleInterface(row));
        return row;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* const row = dynamic_cast<const RowAccessible*>(child);
        return row != nullptr && row->parent() == this ? row->row() : -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QModelIndex index = list()->indexAt(list()->viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? child(index.row()) : nullptr;
    }

    QAccessibleInterface* focusChild() const override {
        return list()->hasFocus() ? child(list()->currentRow()) : nullptr;
    }

private:
    ReviewList* list() const { return static_cast<ReviewList*>(widget()); }

    mutable std::unordered_map<int, QAccessible::Id> m_rows;
};

// Paints a row as the style does, but for the keyboard's place: a frame
// over no fill, since the fill some styles give it would take a word's
// colour below the contrast it needs.
class RowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem unfocused(option);
        unfocused.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, unfocused, index);
        if (!option.state.testFlag(QStyle::State_HasFocus)) return;
        painter->save();
        painter->setPen(theme::kKeyboardPlace);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};

}  // namespace

ReviewList::ReviewList(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new RowDelegate(this));
    static const bool installed = [] {
        QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
            if (className != QLatin1String("torvel::ReviewList")) return nullptr;
            return new ReviewListAccessible(static_cast<ReviewList*>(object));
        });
        return true;
    }();
    (void)installed;
}

bool ReviewList::IsCaption(const QListWidgetItem* item) {
    return item != nullptr && !item->flags().testFlag(Qt::ItemIsEnabled);
}

void ReviewList::SetCurrentWord(int row) {
    while (row < count() - 1 && IsCaption(item(row))) ++row;
    setCurrentRow(row);
}

void ReviewList::scrollTo(const QModelIndex& index, ScrollHint hint) {
    const int row = index.row();
    if (row > 0 && IsCaption(item(row - 1))) QListWidget::scrollTo(model()->index(row - 1, 0), hint);
    QListWidget::scrollTo(index, hint);
}

QModelIndex ReviewList::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex to = QListWidget::moveCursor(action, modifiers);
    if (!IsCaption(itemFromIndex(to))) return to;
    // A caption heads the words after it: the keyboard going up passes on to
    // the words above, any other move to the caption's own.
    const bool up = action == MoveUp || action == MovePageUp || action == MovePrevious || action == MoveLeft;
    const int row = up && to.row() > 0 ? to.row() - 1 : to.row() + 1;
    return row < count() ? model()->index(row, 0) : currentIndex();
}

void ReviewList::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    // The list takes the keyboard on its current word: a screen reader reads
    // that word as the list is reached, as it does on every move after. Told
    // once Qt has told that the list itself has the keyboard, so as to be last.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!QAccessible::isActive() || !hasFocus() || !currentIndex().isValid()) return;
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(currentRow());
            QAccessible::updateAccessibility(&focus);
        },
        Qt::QueuedConnection);
}

}  // namespace torvel
