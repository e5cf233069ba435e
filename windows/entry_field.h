// The main window's entry field: capitals as the player types, the keyboard's
// slips corrected, Enter submits.
#pragma once

#include <QLineEdit>
#include <functional>

#include "game/typing.h"

namespace torvel {

// Only typed text is corrected (keys, and what an input method commits);
// pasted text arrives as it is.
class EntryField final : public QLineEdit {
    Q_OBJECT
public:
    explicit EntryField(QWidget* parent = nullptr);

    // Asked at every typed character, as the rules follow the word base of
    // the game. Without it, typing is only turned into capitals.
    void SetTypingRules(std::function<TypingRules()> rules);

signals:
    // Enter or keypad Enter, whatever shift keys are held.
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    QString Typed(const QString& text) const;

    std::function<TypingRules()> m_rules;
};

}  // namespace torvel
