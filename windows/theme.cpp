// The fonts the windows are drawn in, on a system that may lack them.
#include "windows/theme.h"

#include "button/qt/installed_family.h"
#include "common/font_pixels.h"

namespace torvel::theme {

namespace {

QFont Font(const QString& family, double points, bool bold) {
    QFont font(IsFamilyInstalled(family) ? family : QStringLiteral("Liberation Sans"));
    font.setPixelSize(FontPixels(points));
    font.setBold(bold);
    return font;
}

}  // namespace

QFont WindowFont(bool bold) { return Font(QStringLiteral("MS Sans Serif"), 8.25, bold); }

QFont ArialFont(double points, bool bold) { return Font(QStringLiteral("Arial"), points, bold); }

}  // namespace torvel::theme
