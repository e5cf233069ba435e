// Reading the program's image files with the one decoder each name calls for.
#include "button/qt/image_file.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

namespace torvel {

QImage ReadImageFile(const QString& path) {
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull()) image = QImage(path);
    return image;
}

QIcon IconFromImageFiles(const QStringList& paths) {
    QIcon icon;
    for (const QString& path : paths) icon.addPixmap(QPixmap::fromImage(ReadImageFile(path)));
    return icon;
}

}  // namespace torvel
