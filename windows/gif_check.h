// Telling a whole GIF picture from a cut or broken one.
#pragma once

#include <string_view>

namespace torvel {

// The header, the colour tables and every block are whole, each image's
// compressed codes are valid, end with their end code and give exactly the
// image's pixels, and the file ends with its trailer after at least one
// image. Qt's own reader shows whatever part of a cut picture it got, so the
// program checks for itself before it lets Qt decode the picture.
bool GifIsWhole(std::string_view bytes);

}  // namespace torvel
