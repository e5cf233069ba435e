// Loading the button pictures the stored forms refer to, with Qt's decoders.
#include "button/qt/qt_picture_loader.h"

#include <QFileInfo>
#include <QImage>

#include "button/qt/image_file.h"
#include "button/qt/qt_image_conversion.h"
#include "common/data_file_error.h"

namespace torvel {

Picture QtPictureLoader::Load(Picture::Type type, const std::string& reference) {
    const auto key = std::make_pair(type, reference);
    if (const auto found = m_loaded.find(key); found != m_loaded.end()) return found->second;

    const QString path = m_root + QLatin1Char('/') + QString::fromStdString(reference);
    if (!QFileInfo(path).isFile()) throw DataFileError(path.toStdString(), "не найден");
    const QImage image = ReadImageFile(path);
    if (image.isNull()) throw DataFileError(path.toStdString(), "не удалось прочитать изображение");
    Picture picture = Picture::FromImage(type, ImageFromQImage(image), reference);
    m_loaded.emplace(key, picture);
    return picture;
}

}  // namespace torvel
