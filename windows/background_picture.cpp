// The main window's background picture.
#include "windows/background_picture.h"

#include "common/data_file_error.h"
#include "common/file_bytes.h"
#include "windows/gif_check.h"

namespace torvel {

QImage LoadBackgroundPicture(const std::string& path) {
    const std::string bytes = ReadFileBytes(path);
    QImage picture;
    if (GifIsWhole(bytes)) {
        picture.loadFromData(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())), "GIF");
    }
    if (picture.isNull()) throw DataFileError(path, "не является рисунком GIF или повреждён");
    return picture;
}

}  // namespace torvel
