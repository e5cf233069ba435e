// The pointer as a button's widget sees it, and mouse capture for it.
#include "button/qt/qt_pointer_device.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>

namespace torvel {

QtPointerDevice::QtPointerDevice(QWidget* surface) : QObject(surface), m_surface(surface) {
    m_surface->installEventFilter(this);
}

ScreenPoint QtPointerDevice::CursorPos() const {
    const QPoint position = QCursor::pos();
    return {position.x(), position.y()};
}

bool QtPointerDevice::IsSurfaceAt(ScreenPoint point) const {
    return QApplication::widgetAt(QPoint(point.x, point.y)) == m_surface;
}

void QtPointerDevice::Capture() { m_surface->grabMouse(); }

bool QtPointerDevice::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && QWidget::mouseGrabber() == m_surface) {
        m_surface->releaseMouse();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace torvel
