// The buttons' sounds played with Qt Multimedia.
#include "button/sound/multimedia_sound.h"

#include <QMediaDevices>

#include "button/sound/wave_file_check.h"

namespace torvel {

void MultimediaSound::Connect() { QMediaDevices::defaultAudioOutput(); }

bool MultimediaSound::Play(const QString& file) {
    m_output.reset();
    const std::optional<WaveSound> sound = ReadWave(file);
    if (!sound) return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!device.isNull() && device.isFormatSupported(sound->format)) {
        m_output = std::make_unique<QtSoundOutput>(device, *sound);
    }
    return true;
}

}  // namespace torvel
