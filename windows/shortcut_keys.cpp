// Keyboard shortcuts that work whichever layout the keyboard is on.
#include "windows/shortcut_keys.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QWidget>

#include "game/typing.h"

namespace torvel {

QList<QKeySequence> OnEitherLayout(QKeyCombination latin) {
    QList<QKeySequence> keys{QKeySequence(latin)};
    const int key = latin.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const char32_t lower = static_cast<char32_t>(key - Qt::Key_A + 'a');
        // Qt names a letter's key by its capital.
        const char32_t russian = TypedCharacter(lower, TypingRules{.russianLayout = true});
        keys.append(QKeySequence(QKeyCombination(latin.keyboardModifiers(), static_cast<Qt::Key>(russian))));
    }
    return keys;
}

void OpenContextMenu(QWidget* widget) {
    if (widget == nullptr) return;
    const QPoint at = widget->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, widget->mapToGlobal(at));
    QCoreApplication::sendEvent(widget, &menu);
}

}  // namespace torvel
