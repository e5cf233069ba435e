// The skinned buttons of a window, restored from the window's stored form.
#pragma once

#include <QString>
#include <functional>

#include "button/form/stored_form.h"
#include "button/paint/picture.h"
#include "button/qt/qt_picture_loader.h"
#include "button/qt/qt_sound_player.h"
#include "windows/layouts.h"

class QWidget;

namespace torvel {

class VantorButton;

// What every button of the program shares: one sound player (a new sound
// replaces the one playing), the pictures of the stored forms, decoded once,
// and the hand cursor.
class ButtonServices {
public:
    ButtonServices();

    QtSoundPlayer& sound() { return m_sound; }
    QtPictureLoader& pictures() { return m_pictures; }
    const Picture& handCursor() const { return m_handCursor; }

private:
    QtSoundPlayer m_sound;
    QtPictureLoader m_pictures;
    Picture m_handCursor;
};

class FormButtons {
public:
    // The stored form of `form` ("frmtorvel", "frmtvlstat", "frmbre" or "frmreview"),
    // compiled into the program, for buttons on `window`.
    FormButtons(QWidget* window, const QString& form, ButtonServices& services);

    // Creates the instance named by `place` with its stored properties, in
    // its place; `onClick` runs on each of its clicks.
    VantorButton* Restore(const Place& place, std::function<void()> onClick);

private:
    QWidget* m_window;
    ButtonServices& m_services;
    StoredForm m_form;
};

}  // namespace torvel
