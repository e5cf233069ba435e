// The sound module's entry: the program loads the module and asks it for its
// outputs by this name.
#include <QtGlobal>

#include "button/sound/multimedia_sound.h"

extern "C" Q_DECL_EXPORT torvel::SoundOutputs* torvel_sound_outputs() { return new torvel::MultimediaSound; }
