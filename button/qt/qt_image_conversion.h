// Moving pictures between the button's images and Qt images.
#pragma once

#include <QImage>

#include "button/paint/image.h"

namespace torvel {

Image ImageFromQImage(const QImage& image);
QImage QImageFromImage(const Image& image);

}  // namespace torvel
