// Asking what a word means, from the context menus of the main window.
#include "windows/word_lookup.h"

#include <QMenu>
#include <algorithm>

#include "common/cp1251.h"

namespace torvel {

bool CanLookUp(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c == u'-' || (c.isLetter() && UnicodeToCp1251(c.unicode()).has_value());
    });
}

QAction* LookUpAction(QMenu* menu, const QString& word, std::function<void()> lookUp) {
    auto* item = new QAction(QStringLiteral("Что значит «%1»?").arg(word), menu);
    QObject::connect(item, &QAction::triggered, menu, std::move(lookUp));
    return item;
}

void AddLookUpItem(QMenu* menu, const QString& word, std::function<void()> lookUp) {
    QAction* const first = menu->actions().value(0);
    menu->insertAction(first, LookUpAction(menu, word, std::move(lookUp)));
    if (first != nullptr) menu->insertSeparator(first);
}

void PopUpLookUpMenu(QWidget* parent, const QPoint& at, const QString& word, std::function<void()> lookUp) {
    auto* menu = new QMenu(parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    AddLookUpItem(menu, word, std::move(lookUp));
    menu->popup(at);
}

}  // namespace torvel
