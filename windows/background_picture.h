// The main window's background picture.
#pragma once

#include <QImage>
#include <string>

namespace torvel {

// Reads a GIF picture. Throws DataFileError naming the file when it is
// missing, unreadable or not a GIF picture.
QImage LoadBackgroundPicture(const std::string& path);

}  // namespace torvel
