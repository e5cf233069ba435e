// The main window's background picture.
#pragma once

#include <QImage>
#include <string>

namespace torvel {

// Reads a GIF picture. Throws DataFileError naming the file when it is
// missing, unreadable, not a GIF picture or one that does not decode whole.
QImage LoadBackgroundPicture(const std::string& path);

}  // namespace torvel
