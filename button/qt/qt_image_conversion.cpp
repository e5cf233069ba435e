// Moving pictures between the button's images and Qt images.
#include "button/qt/qt_image_conversion.h"

#include <cstring>

namespace torvel {

Image ImageFromQImage(const QImage& source) {
    const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
    Image image{argb.width(), argb.height(), {}};
    image.pixels.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        std::memcpy(&image.pixels[static_cast<std::size_t>(y) * image.width], argb.constScanLine(y),
                    static_cast<std::size_t>(image.width) * sizeof(std::uint32_t));
    }
    return image;
}

QImage QImageFromImage(const Image& image) {
    if (image.empty()) return QImage();
    QImage out(image.width, image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y) {
        std::memcpy(out.scanLine(y), &image.pixels[static_cast<std::size_t>(y) * image.width],
                    static_cast<std::size_t>(image.width) * sizeof(std::uint32_t));
    }
    return out;
}

}  // namespace torvel
