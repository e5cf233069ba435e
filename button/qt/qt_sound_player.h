// Playing a button's sounds with Qt Multimedia.
#pragma once

#include <QSoundEffect>
#include <QString>
#include <QUrl>

#include "button/host/sound_player.h"

namespace torvel {

// One player serves every button of the program, so that a new sound
// replaces whichever one is playing.
class QtSoundPlayer final : public SoundPlayer {
public:
    // Starts the sound and returns; an empty path, a missing file or one
    // that is not a playable wave file stops the current sound and plays
    // nothing, silently.
    void Play(const std::string& path) override;

    // The file a property text names: backslashes are separators and a
    // relative path starts at the current directory, so ".\resources\over.wav"
    // is <current directory>/resources/over.wav.
    static QString FilePath(const std::string& text);

    // The file last started, empty when the last request played nothing.
    QUrl CurrentSource() const { return m_current; }

private:
    QSoundEffect m_effect;
    QUrl m_current;
};

}  // namespace torvel
