// Keyboard shortcuts that work whichever layout the keyboard is on.
#pragma once

#include <QKeySequence>
#include <QList>

namespace torvel {

// The shortcut as written (Ctrl+Q) and, for a Latin letter, the same
// modifiers with the Russian letter on that key (Ctrl+Й). Qt finds the Latin
// letter by itself only when the keyboard also has a Latin layout; a keyboard
// set to Russian alone sends the Cyrillic letter.
QList<QKeySequence> OnEitherLayout(QKeyCombination latin);

}  // namespace torvel
