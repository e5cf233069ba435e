// The value of a picture property: none, an empty picture, or a bitmap or icon.
#include "button/paint/picture.h"

#include <cmath>

namespace torvel {

namespace {

int PixelsToHiMetric(int pixels) { return static_cast<int>(std::lround(pixels * 2540.0 / 96.0)); }

}  // namespace

Picture Picture::Empty() {
    Picture picture;
    picture.m_data = std::make_shared<const Data>(Data{Type::None, Image{}, {}});
    return picture;
}

Picture Picture::FromImage(Type type, Image image, std::string source) {
    Picture picture;
    picture.m_data = std::make_shared<const Data>(Data{type, std::move(image), std::move(source)});
    return picture;
}

const Image& Picture::image() const {
    static const Image kNoImage;
    return m_data ? m_data->image : kNoImage;
}

const std::string& Picture::source() const {
    static const std::string kNoSource;
    return m_data ? m_data->source : kNoSource;
}

int Picture::widthHiMetric() const { return PixelsToHiMetric(image().width); }

int Picture::heightHiMetric() const { return PixelsToHiMetric(image().height); }

}  // namespace torvel
