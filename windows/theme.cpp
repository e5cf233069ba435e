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

QFont SansSerif(bool bold) { return Font(QStringLiteral("MS Sans Serif"), 8.25, bold); }

QFont Arial(double points, bool bold = false) { return Font(QStringLiteral("Arial"), points, bold); }

}  // namespace

QFont WindowFont() { return SansSerif(false); }
QFont TitleFont() { return SansSerif(true); }
QFont ValueFont() { return Arial(15.75, true); }
QFont WordFont() { return Arial(14.25); }
QFont HeadlineFont() { return Arial(14.25); }
QFont LineFont() { return Arial(9.75, true); }
QFont PointsFont() { return Arial(15.75); }
QFont ListFont() { return Arial(9.75); }

}  // namespace torvel::theme
