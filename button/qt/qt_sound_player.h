// Playing a button's sounds through the sound module.
#pragma once

#include <QString>
#include <QUrl>
#include <memory>

#include "button/host/sound_player.h"
#include "button/sound/sound_outputs.h"

namespace torvel {

// One player serves every button of the program, so that a new sound
// replaces whichever one is playing.
class QtSoundPlayer final : public SoundPlayer {
public:
    // Plays through the sound module beside the program, loaded by Connect
    // or by the first sound. Without the module the buttons are silent.
    QtSoundPlayer();
    // Plays through `outputs`.
    explicit QtSoundPlayer(std::unique_ptr<SoundOutputs> outputs);
    ~QtSoundPlayer() override;

    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    // Loads the sound module and connects to the sound server (Qt
    // Multimedia's backend), so that the first hover does not wait for
    // them. The program calls it once its first window is on the screen,
    // which need not wait for the sound; a sound played before it does both.
    void Connect();

    // Starts the sound and returns; an empty path, a missing file or one
    // that is not a playable wave file stops the current sound and plays
    // nothing, silently. The file is read afresh each time.
    void Play(const std::string& path) override;

    // The file a property text names: backslashes are separators and a
    // relative path starts at the current directory, so ".\resources\over.wav"
    // is <current directory>/resources/over.wav.
    static QString FilePath(const std::string& text);

    // The file last taken for playing, empty when the last request played
    // nothing. It is set even when the machine has no audio output.
    QUrl CurrentSource() const { return m_current; }

private:
    SoundOutputs* Outputs();

    bool m_loaded = false;
    std::unique_ptr<SoundOutputs> m_outputs;
    QUrl m_current;
};

}  // namespace torvel
