// The value of a picture property: none, an empty picture, or a bitmap or icon.
#pragma once

#include <memory>
#include <string>

#include "button/paint/image.h"

namespace torvel {

class Picture {
public:
    // The picture types of the property store; metafiles are known but not drawn.
    enum class Type { None = 0, Bitmap = 1, Metafile = 2, Icon = 3, EnhancedMetafile = 4 };

    // No picture at all (the property holds nothing).
    Picture() = default;

    // A picture object without an image.
    static Picture Empty();

    // A bitmap or icon. `source` names where it came from (a file of the
    // program's assets), so that the stored form can refer to it again.
    static Picture FromImage(Type type, Image image, std::string source = {});

    bool isNone() const { return !m_data; }
    bool isEmpty() const { return m_data && m_data->image.empty(); }
    Type type() const { return m_data ? m_data->type : Type::None; }
    const Image& image() const;
    const std::string& source() const;

    // Size in 0.01 mm at 96 pixels per inch, as whole numbers, the unit in
    // which the picture reports its size.
    int widthHiMetric() const;
    int heightHiMetric() const;

    // Pictures are shared objects: two values are equal when they are the
    // same picture, or both none.
    friend bool operator==(const Picture& a, const Picture& b) { return a.m_data == b.m_data; }

private:
    struct Data {
        Type type = Type::None;
        Image image;
        std::string source;
    };
    std::shared_ptr<const Data> m_data;
};

}  // namespace torvel
