// The main window's background picture.
#include "windows/background_picture.h"

#include "common/data_file_error.h"
#include "common/file_bytes.h"
#include "windows/gif_check.h"

namespace torvel {

QImage LoadBackgroundPicture(const std::string& path) {
    const std::string bytes = ReadFileBytes(path);
    QImage picture;
    if (!IsCompleteGif(bytes) ||
        !picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), "GIF")) {
        throw DataFileError(path, "не является рисунком GIF или повреждён");
    }
    return picture;
}

}  // namespace torvel
