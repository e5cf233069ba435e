// Converting the button's fonts to and from Qt fonts.
#include "button/qt/qt_font_conversion.h"

#include <algorithm>

namespace torvel {

namespace {

constexpr int kDefaultCharset = 1;

}  // namespace

QFont QFontFromAttributes(const FontAttributes& attributes) {
    QFont font(QString::fromStdString(attributes.name));
    if (attributes.size > 0) font.setPointSizeF(attributes.size);
    // Qt 6 weights use the same 100..900 scale; bold wins over a lighter weight.
    const int weight = attributes.bold ? std::max(attributes.weight, 700) : attributes.weight;
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
    font.setItalic(attributes.italic);
    font.setUnderline(attributes.underline);
    font.setStrikeOut(attributes.strikethrough);
    return font;
}

FontAttributes FontAttributesFromQFont(const QFont& font) {
    FontAttributes attributes;
    attributes.name = font.family().toStdString();
    attributes.size = font.pointSizeF() > 0 ? font.pointSizeF() : attributes.size;
    attributes.weight = font.weight();
    attributes.bold = font.weight() >= QFont::Bold;
    attributes.italic = font.italic();
    attributes.underline = font.underline();
    attributes.strikethrough = font.strikeOut();
    attributes.charset = kDefaultCharset;
    return attributes;
}

}  // namespace torvel
