// The main window: the game is played here.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "game/game.h"
#include "game/word_base.h"

class QLabel;

namespace torvel {

class ButtonServices;
class DataFileError;
class EntryField;
class MessageBox;
class NameDialog;
class RandomSource;
class WordList;
class frmbre;
class frmtvlstat;

// A frameless window with rounded corners, dragged by its background. It owns
// the game in progress and the two other windows, which are top-level windows
// of their own and outlive the main window's closing.
class frmtorvel final : public QWidget {
    Q_OBJECT
public:
    // The program as the player runs it: Qt message boxes and name dialog, a
    // random source seeded from the clock.
    frmtorvel();

    // Collaborators supplied by the caller; they must outlive the window.
    frmtorvel(MessageBox& messages, NameDialog& names, RandomSource& random);

    ~frmtorvel() override;

    // Shapes the window and loads fontvl.gif from the current directory. When
    // the picture cannot be used the player is told and false is returned: the
    // window must not be shown.
    bool Form_Load();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct OwnServices;

    explicit frmtorvel(std::unique_ptr<OwnServices> own);

    void BuildControls();
    void cmdstart_Click();
    void cmdhel_Click();
    void VantorButton1_Click();
    void entr();
    void pchod();
    void endgame();
    void ShowGame();

    // Runs a step of the game; a word base that cannot be used ends the program.
    bool Play(const std::function<void()>& step);
    void Fatal(const DataFileError& error);

    std::unique_ptr<OwnServices> m_own;
    MessageBox& m_messages;
    std::unique_ptr<ButtonServices> m_buttons;
    WordBase m_base;
    Game m_game;
    std::unique_ptr<frmbre> m_frmbre;
    std::unique_ptr<frmtvlstat> m_frmtvlstat;

    QImage m_background;
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
};

}  // namespace torvel
