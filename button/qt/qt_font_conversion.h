// Converting the button's fonts to and from Qt fonts.
#pragma once

#include <QFont>

#include "button/font_spec.h"

namespace torvel {

QFont QFontFromSpec(const FontSpec& spec);

// Qt keeps no character set: the result has the default one, 1.
FontSpec FontSpecFromQFont(const QFont& font);

}  // namespace torvel
