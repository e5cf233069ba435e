// Telling in advance whether a sound file is a wave file Qt can play.
#pragma once

#include <QString>

namespace torvel {

// True for a RIFF/WAVE file with a format chunk of integer PCM (8, 16, 24 or
// 32 bits), 32-bit float or the extensible form, followed by a data chunk.
// Looking first keeps the player from complaining about files it cannot
// decode: a bad sound file is meant to be silent.
bool IsPlayableWave(const QString& path);

}  // namespace torvel
