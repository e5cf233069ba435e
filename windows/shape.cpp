// The shapes of the windows' layouts: a filled panel and outlines.
#include "windows/shape.h"

#include <QPainter>

#include "windows/theme.h"

namespace torvel {

namespace {

// The corner ellipses of the shapes with curved corners, in pixels.
constexpr qreal kCornerRadius = 10;

// The device pixels that Qt gives the rectangle `r` of a widget painted
// through `toDevice`: its edges rounded, halves up.
QRect DevicePixels(const QTransform& toDevice, const QRect& r) {
    const QPoint topLeft = toDevice.map(QPointF(r.left(), r.top())).toPoint();
    const QPoint bottomRight = toDevice.map(QPointF(r.left() + r.width(), r.top() + r.height())).toPoint();
    return {topLeft, bottomRight - QPoint(1, 1)};
}

// The one-pixel outline, each side on the whole device pixels of the
// widget's edge pixels: on a screen of a fractional device pixel ratio a side
// centred on the edge would fall between device pixels and vanish.
void PaintOutline(QPainter& painter, const QRect& rect) {
    const QTransform toDevice = painter.deviceTransform();
    const QRect sides[] = {
        {rect.left(), rect.top(), rect.width(), 1},
        {rect.left(), rect.bottom(), rect.width(), 1},
        {rect.left(), rect.top(), 1, rect.height()},
        {rect.right(), rect.top(), 1, rect.height()},
    };
    painter.setWorldTransform(toDevice.inverted());
    for (const QRect& side : sides) painter.fillRect(DevicePixels(toDevice, side), theme::kOutline);
}

}  // namespace

Shape::Shape(Kind kind, QWidget* parent) : QWidget(parent), m_kind(kind) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(theme::kOutline, 1));
    // The one-pixel border lies inside the shape's rectangle.
    const QRectF bounds = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    switch (m_kind) {
        case Kind::Panel:
            painter.setBrush(theme::kPanel);
            painter.drawRoundedRect(bounds, kCornerRadius, kCornerRadius);
            break;
        case Kind::Outline:
            PaintOutline(painter, rect());
            break;
        case Kind::RoundedOutline:
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(bounds, kCornerRadius, kCornerRadius);
            break;
    }
}

}  // namespace torvel
