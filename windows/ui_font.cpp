// Choosing the windows' fonts.
#include "windows/ui_font.h"

#include "button/qt/installed_family.h"
#include "common/font_pixels.h"

namespace torvel {

QString UiFontFamily(const QString& family) {
    if (IsFamilyInstalled(family)) return family;
    return QStringLiteral("Liberation Sans");
}

QFont UiFont(const QString& family, double points, bool bold) {
    QFont font(UiFontFamily(family));
    font.setPixelSize(FontPixels(points));
    font.setBold(bold);
    return font;
}

}  // namespace torvel
