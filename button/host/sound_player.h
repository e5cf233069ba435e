// Playing the button's sounds.
#pragma once

#include <string>

namespace torvel {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // `path` is the property text as it stands (".\resources\over.wav").
    // Returns at once; a new sound replaces one still playing; an empty path,
    // a missing file or one that cannot be played gives silence, no message.
    virtual void Play(const std::string& path) = 0;
};

}  // namespace torvel
