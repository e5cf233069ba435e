// The main window's entry field: capitals as the player types, Enter submits.
#pragma once

#include <QLineEdit>

namespace torvel {

class EntryField final : public QLineEdit {
    Q_OBJECT
public:
    explicit EntryField(QWidget* parent = nullptr);

signals:
    // Enter or keypad Enter, whatever shift keys are held.
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};

// Every character of `text` replaced by its capital through the Windows-1251
// upper-case mapping; characters without one stay as they are.
QString CapitalsThroughCp1251(const QString& text);

}  // namespace torvel
