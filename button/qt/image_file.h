// Reading the program's image files with the one decoder each name calls for.
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>
#include <QStringList>

namespace torvel {

// The image in `path`, decoded as its suffix says (".png", ".bmp"). Qt's own
// guess at a format first loads every image plugin installed and asks each
// in turn; that is left for a file whose suffix does not match its content.
// A null image when the file cannot be read.
QImage ReadImageFile(const QString& path);

// An icon holding the image of each file, read as above.
QIcon IconFromImageFiles(const QStringList& paths);

}  // namespace torvel
