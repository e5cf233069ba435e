// The main window: the game is played here.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <array>
#include <future>
#include <memory>

#include "session/screens.h"

class QLabel;

namespace torvel {

class ButtonServices;
class EntryField;
class GameSession;
class MessageBox;
class NameDialog;
class RandomSource;
class ToolWindows;
class VantorButton;
class WordList;

// A frameless window with rounded corners, dragged by its background. It owns
// the game's flow and the other windows, which are top-level windows of their
// own and outlive the main window's closing.
class frmtorvel final : public QWidget, public MainScreen {
    Q_OBJECT
public:
    // The program as the player runs it: Qt message boxes and name dialog, a
    // random source seeded from the clock.
    frmtorvel();

    // Collaborators supplied by the caller; they must outlive the window.
    frmtorvel(MessageBox& messages, NameDialog& names, RandomSource& random);

    ~frmtorvel() override;

    // Shapes the window and takes fontvl.gif, read from the current directory
    // since the window was made (read again by a later call). When the
    // picture cannot be used the player is told and false is returned: the
    // window must not be shown.
    bool Form_Load();

    // Once the window is shown: a game left unfinished at the last run is
    // offered back.
    void OfferUnfinishedGame();

    void ShowGame(const Game& game) override;
    void ClearEntry() override;
    void ShowRefusal(EntryResult result) override;
    bool OfferSavedGame(std::string_view sourceWord, int playerTotal, int computerTotal) override;
    void ShowFileError(const DataFileError& error) override;
    void ShowFileProblem(const PlayerFileProblem& problem) override;
    void EndProgram() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct OwnServices;

    explicit frmtorvel(std::unique_ptr<OwnServices> own);

    void BuildControls();
    void ConnectWindows();
    void AddShortcuts(VantorButton* start, VantorButton* help, VantorButton* records, VantorButton* exit);
    void cmdhel_Click();
    void entr();
    // Opens the article that explains `word`, as a list shows it, in the
    // desktop's browser.
    void LookUp(const QString& word);
    // The same for a word of this window, then the keyboard back in the entry.
    void LookUpHere(const QString& word);
    // The entry's context menu: its own items under the look-ups of both
    // sides' last words.
    void ShowEntryMenu(const QPoint& point);
    // Gives the entry field the keyboard back, activating the window when
    // `activate` says the keyboard was elsewhere.
    void ReturnToEntry(bool activate = false);

    std::unique_ptr<OwnServices> m_own;
    MessageBox& m_messages;
    std::unique_ptr<ButtonServices> m_buttons;
    std::unique_ptr<ToolWindows> m_tools;
    std::unique_ptr<GameSession> m_session;

    // fontvl.gif is read and decoded beside the building of the controls.
    std::future<QImage> m_backgroundLoading;
    QImage m_background;
    bool m_painted = false;
    bool m_dragging = false;
    QPoint m_drag;  // where in the window the drag began

    QLabel* m_Label1 = nullptr;
    QLabel* m_Label2 = nullptr;
    QLabel* m_Label3 = nullptr;
    QLabel* m_Label4 = nullptr;
    std::array<QLabel*, 2> m_Label5{};
    QLabel* m_Label6 = nullptr;
    QLabel* m_Label7 = nullptr;
    WordList* m_Text2 = nullptr;
    WordList* m_Text3 = nullptr;
    EntryField* m_Text1 = nullptr;
    QString m_playerLastWord;  // the player's last word of the game shown
};

}  // namespace torvel
