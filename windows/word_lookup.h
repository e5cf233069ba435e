// Asking what a word means, from the context menus of the main window.
#pragma once

#include <QString>
#include <functional>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace torvel {

// Whether text taken from a list can be a word of the base, and so be looked
// up: letters of the base's code page, and hyphens.
bool CanLookUp(const QString& text);

// The item «Что значит «СЛОВО»?» of `menu`, not yet placed in it; `lookUp`
// runs when the player chooses it.
QAction* LookUpAction(QMenu* menu, const QString& word, std::function<void()> lookUp);

// Puts «Что значит «СЛОВО»?» at the top of `menu`, set apart from the items
// below it; `lookUp` runs when the player chooses it.
void AddLookUpItem(QMenu* menu, const QString& word, std::function<void()> lookUp);

// A context menu of that item alone, for a word shown by `parent`, at a point
// of the screen.
void PopUpLookUpMenu(QWidget* parent, const QPoint& at, const QString& word, std::function<void()> lookUp);

}  // namespace torvel
