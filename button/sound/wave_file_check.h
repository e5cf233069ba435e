// Reading a button sound's wave file into samples Qt can play, and telling
// in advance whether it can be played at all.
#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>
#include <optional>

namespace torvel {

// A wave file's samples with their format, ready for an audio sink.
struct WaveSound {
    QAudioFormat format;
    QByteArray samples;  // whole frames, at least one
};

// The samples of a RIFF/WAVE file of integer PCM (8, 16, 24 or 32 bits),
// 32-bit float, or the extensible form of either; 24-bit samples come back
// widened to 32 bits, the nearest format an audio sink takes. A data chunk
// cut short gives the whole frames that are there. Any other file, or one
// without a single frame, gives nothing: a bad sound file is meant to be
// silent, so it must never reach the player.
std::optional<WaveSound> ReadWave(const QString& path);

}  // namespace torvel
