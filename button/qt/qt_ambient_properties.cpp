// What the window around a button's widget says about it.
#include "button/qt/qt_ambient_properties.h"

#include <QApplication>
#include <QEvent>

#include "button/qt/qt_font_conversion.h"

namespace torvel {

QtAmbientProperties::QtAmbientProperties(QWidget* surface) : QObject(surface), m_surface(surface) {
    if (QWidget* parent = m_surface->parentWidget()) parent->installEventFilter(this);
}

std::string QtAmbientProperties::InstanceName() const { return m_surface->objectName().toStdString(); }

FontAttributes QtAmbientProperties::ContainerFont() const {
    const QWidget* parent = m_surface->parentWidget();
    return FontAttributesFromQFont(parent ? parent->font() : QApplication::font());
}

bool QtAmbientProperties::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) emit changed();
    return QObject::eventFilter(watched, event);
}

}  // namespace torvel
