// The main window's background picture.
#include "windows/background_picture.h"

#include "common/data_file_error.h"
#include "common/file_bytes.h"
#include "windows/gif_reader.h"

namespace torvel {

namespace {

// The image takes the pixels over, without a copy.
QImage AdoptPixels(GifImage& image) {
    std::uint32_t* const pixels = image.pixels.release();
    return QImage(
        reinterpret_cast<uchar*>(pixels), image.width, image.height, qsizetype{image.width} * 4, QImage::Format_RGB32,
        [](void* data) { delete[] static_cast<std::uint32_t*>(data); }, pixels);
}

}  // namespace

QImage LoadBackgroundPicture(const std::string& path) {
    const std::string bytes = ReadFileBytes(path);
    GifReading gif = ReadGif(bytes);
    QImage picture;
    if (gif.complete) {
        // A plain picture is already decoded by the check; any other goes to
        // Qt's decoder.
        if (gif.image) {
            picture = AdoptPixels(*gif.image);
        } else {
            picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), "GIF");
        }
    }
    if (picture.isNull()) throw DataFileError(path, "не является рисунком GIF или повреждён");
    return picture;
}

}  // namespace torvel
