// Turning the button's colour values into Qt colours.
#pragma once

#include <QColor>

#include "button/paint/colour.h"

namespace torvel {

// A plain colour as it is; a system colour from the application's palette.
QColor QColorFromColour(Colour colour);

}  // namespace torvel
