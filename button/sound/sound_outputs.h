// What plays the buttons' sounds. The program reaches it through the sound
// module, loaded once the first window is on the screen, so that Qt
// Multimedia and the libraries it brings are not loaded before.
#pragma once

#include <QString>

namespace torvel {

class SoundOutputs {
public:
    virtual ~SoundOutputs() = default;

    // Connects to the sound server, so that the first sound need not wait.
    virtual void Connect() = 0;
    // Stops the sound playing and starts the wave file `file`. False, and
    // silence, when the file is not a wave file that can be played; true
    // even when the machine has no audio output.
    virtual bool Play(const QString& file) = 0;
    // Stops the sound playing.
    virtual void Stop() = 0;
};

// The C function the sound module exports: it returns new outputs, which the
// caller owns.
inline constexpr char kSoundOutputsEntry[] = "torvel_sound_outputs";
using SoundOutputsEntry = SoundOutputs* (*)();

}  // namespace torvel
