// Converting the button's fonts to and from Qt fonts.
#include "button/qt/qt_font_conversion.h"

#include <algorithm>

namespace torvel {

namespace {

constexpr int kDefaultCharset = 1;

}  // namespace

QFont QFontFromSpec(const FontSpec& spec) {
    QFont font(QString::fromStdString(spec.name));
    if (spec.size > 0) font.setPointSizeF(spec.size);
    // Qt 6 weights use the same 100..900 scale; bold wins over a lighter weight.
    const int weight = spec.bold ? std::max(spec.weight, 700) : spec.weight;
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikethrough);
    return font;
}

FontSpec FontSpecFromQFont(const QFont& font) {
    FontSpec spec;
    spec.name = font.family().toStdString();
    spec.size = font.pointSizeF() > 0 ? font.pointSizeF() : spec.size;
    spec.weight = font.weight();
    spec.bold = font.weight() >= QFont::Bold;
    spec.italic = font.italic();
    spec.underline = font.underline();
    spec.strikethrough = font.strikeOut();
    spec.charset = kDefaultCharset;
    return spec;
}

}  // namespace torvel
