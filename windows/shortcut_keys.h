// Keyboard shortcuts that work whichever layout the keyboard is on.
#pragma once

#include <QKeySequence>
#include <QList>

class QWidget;

namespace torvel {

// The shortcut as written (Ctrl+Q) and, for a Latin letter, the same
// modifiers with the Russian letter on that key (Ctrl+Й). Qt finds the Latin
// letter by itself only when the keyboard also has a Latin layout; a keyboard
// set to Russian alone sends the Cyrillic letter.
QList<QKeySequence> OnEitherLayout(QKeyCombination latin);

// Opens the context menu of `widget`, which has the keyboard, as the menu key
// does: at its text cursor or current item. For Shift+F10, which Qt leaves
// to the program.
void OpenContextMenu(QWidget* widget);

}  // namespace torvel
