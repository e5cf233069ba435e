// Building the controls of the windows' layouts.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QRect>

#include "windows/layouts.h"
#include "windows/shape.h"

namespace torvel {

// Names a control after its place in the layout and puts it there.
template <typename Control>
Control* Placed(Control* control, const Place& place) {
    control->setObjectName(place.objectName());
    control->setGeometry(place.rect());
    return control;
}

// A label as the layouts use it: transparent, its plain text at the top of its
// rectangle, clipped to it. It takes mouse presses for itself, so a press on a
// label never reaches (or drags) the window beneath.
QLabel* AddLabel(QWidget* parent, const Place& place, const QFont& font, const QColor& colour,
                 Qt::Alignment horizontal, const QString& text = {});

// The same for a label of a kind of its own, already made with its parent.
QLabel* SetUpLabel(QLabel* label, const QString& name, const QRect& geometry, const QFont& font, const QColor& colour,
                   Qt::Alignment horizontal, const QString& text = {});
QLabel* SetUpLabel(QLabel* label, const Place& place, const QFont& font, const QColor& colour,
                   Qt::Alignment horizontal, const QString& text = {});

// Puts `text` into a label that shows a value of the game, and names the label
// for screen readers by what it shows and the value ("Исходное слово:
// ПРОГРАММА"), so that a new value is announced as a change of its name.
void ShowAnnounced(QLabel* label, const QString& what, const QString& text);

// Lets the keyboard reach a label's text: Tab stops at it, the arrow keys
// move a caret through it and its text can be copied, never changed.
void MakeReadable(QLabel* label);

Shape* AddShape(QWidget* parent, const Place& place, Shape::Kind kind);

// The window's own background colour behind everything else.
void SetBackgroundColour(QWidget* window, const QColor& colour);

// A fixed tool window: a small caption with a close box, no minimise or
// maximise box, not in the task bar.
void MakeToolWindow(QWidget* window, const QString& title, QSize clientSize);

// Shows `window` to assistive technology as a dialog: a screen reader reads
// a dialog's texts as it opens. Called before the window is first shown.
void AnnounceAsDialog(QWidget* window);

}  // namespace torvel
