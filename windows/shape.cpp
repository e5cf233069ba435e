// The shapes of the windows' layouts: a filled panel and white outlines.
#include "windows/shape.h"

#include <QPainter>

namespace torvel {

namespace {

// The corner ellipses of the shapes with curved corners, in pixels.
constexpr qreal kCornerRadius = 10;

}  // namespace

Shape::Shape(Kind kind, QWidget* parent) : QWidget(parent), m_kind(kind) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1));
    // The one-pixel border lies inside the shape's rectangle.
    const QRectF bounds = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    switch (m_kind) {
        case Kind::Panel:
            painter.setBrush(QColor(255, 192, 128));
            painter.drawRoundedRect(bounds, kCornerRadius, kCornerRadius);
            break;
        case Kind::Outline:
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
            break;
        case Kind::RoundedOutline:
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(bounds, kCornerRadius, kCornerRadius);
            break;
    }
}

}  // namespace torvel
