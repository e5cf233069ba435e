// Converting the button's fonts to and from Qt fonts.
#pragma once

#include <QFont>

#include "button/paint/font_attributes.h"

namespace torvel {

QFont QFontFromAttributes(const FontAttributes& attributes);

// Qt keeps no character set: the result has the default one, 1.
FontAttributes FontAttributesFromQFont(const QFont& font);

}  // namespace torvel
