// The buttons' sounds played with Qt Multimedia.
#pragma once

#include <memory>

#include "button/sound/qt_sound_output.h"
#include "button/sound/sound_outputs.h"

namespace torvel {

// One sound at a time: a new one replaces whichever is playing.
class MultimediaSound final : public SoundOutputs {
public:
    void Connect() override;
    bool Play(const QString& file) override;
    void Stop() override { m_output.reset(); }

private:
    std::unique_ptr<QtSoundOutput> m_output;
};

}  // namespace torvel
