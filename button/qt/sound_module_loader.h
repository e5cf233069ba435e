// Finding and loading the sound module.
#pragma once

#include <QString>
#include <memory>

#include "button/sound/sound_outputs.h"

namespace torvel {

// The sound module in the program's own folder.
QString SoundModuleBesideProgram();

// The outputs of the sound module `file` (with or without its "lib" prefix
// and ".so" suffix). None when it cannot be loaded: the reason goes to the
// program's warnings and the buttons stay silent.
std::unique_ptr<SoundOutputs> LoadSoundModule(const QString& file);

}  // namespace torvel
