// The fonts the windows are laid out with, on a system that may lack them.
#pragma once

#include <QFont>
#include <QString>

namespace torvel {

// `family` at `points` (as whole pixels at 96 dpi, so the text fits the
// layout whatever the screen's resolution). "MS Sans Serif" and "Arial" are
// seldom installed on Linux; Liberation Sans, made to the same metrics, takes
// their place when they are absent.
QFont UiFont(const QString& family, double points, bool bold = false);

// The family actually used for `family`.
QString UiFontFamily(const QString& family);

}  // namespace torvel
