// The review window "Разбор партии": every word the source word allowed, who
// found it and what was missed.
#pragma once

#include <QPointer>
#include <QWidget>

#include "session/screens.h"

class QLabel;
class QListWidget;

namespace torvel {

class ButtonServices;

// A tool window, reused from one opening to the next and opened beside the
// main window. Escape closes it; the list takes the keyboard, so the arrow and
// page keys scroll it, and each word is read out with who found it.
class frmreview final : public QWidget, public ReviewScreen {
    Q_OBJECT
public:
    frmreview(ButtonServices& buttons, QWidget* mainWindow);

    void ShowReview(const GameReview& review) override;
    void RefreshReview(const GameReview& review) override;
    bool ReviewOpen() const override;
    void CloseReview() override;

private:
    void Fill(const GameReview& review);

    QPointer<QWidget> m_mainWindow;
    QLabel* m_Label1 = nullptr;  // the source word
    QLabel* m_Label2 = nullptr;  // how many words each side found
    QLabel* m_Label3 = nullptr;  // the player's finds by length
    QListWidget* m_List1 = nullptr;
};

}  // namespace torvel
