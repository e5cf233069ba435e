// The review window "Разбор партии": every word the source word allowed, who
// found it and what was missed.
#pragma once

#include <QPointer>
#include <QWidget>

#include "session/screens.h"

class QLabel;
class QListWidgetItem;

namespace torvel {

class ButtonServices;
class ReviewList;

// A tool window, reused from one opening to the next and opened beside the
// main window. Escape closes it. To assistive technology it is a dialog whose
// description is its summary. The list takes the keyboard on its first word,
// so the arrow and page keys scroll it, and each word is read out with who
// found it and its gloss; Tab reaches the summary's lines too. The line under
// the list glosses the word at the keyboard's place; a double click on a
// word, Enter on it or its context menu asks for its meaning.
class frmreview final : public QWidget, public ReviewScreen {
    Q_OBJECT
public:
    frmreview(ButtonServices& buttons, QWidget* mainWindow);

    void ShowReview(const GameReview& review) override;
    void RefreshReview(const GameReview& review) override;
    bool ReviewOpen() const override;
    void CloseReview() override;

signals:
    // The player asked what a word, as listed, means.
    void lookUpRequested(const QString& word);

private:
    void Fill(const GameReview& review);
    void LookUp(const QListWidgetItem* item);

    QPointer<QWidget> m_mainWindow;
    QLabel* m_Label1 = nullptr;  // the source word
    QLabel* m_Label2 = nullptr;  // how many words each side found
    QLabel* m_Label3 = nullptr;  // the player's finds by length
    QLabel* m_Label4 = nullptr;  // the gloss of the word at the keyboard's place
    ReviewList* m_List1 = nullptr;
};

}  // namespace torvel
