// Whether a font family is installed, asked of Qt's font database once.
#pragma once

#include <QString>

namespace torvel {

// As QFontDatabase::hasFamily, whose every call runs the family through the
// font configuration's substitution rules. The answers are kept, and
// forgotten when the application's fonts change. Needs a QGuiApplication.
bool IsFamilyInstalled(const QString& family);

}  // namespace torvel
