// Turning a stored picture reference into a picture.
#pragma once

#include <string>

#include "button/paint/picture.h"

namespace torvel {

class PictureLoader {
public:
    virtual ~PictureLoader() = default;

    // `reference` is a path relative to the program's assets, e.g.
    // "images/glyph_close.bmp". The result's source() is `reference`.
    // Throws DataFileError naming the file when it is missing or unreadable.
    virtual Picture Load(Picture::Type type, const std::string& reference) = 0;
};

}  // namespace torvel
