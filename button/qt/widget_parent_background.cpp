// The parent window's background picture under a button widget.
#include "button/qt/widget_parent_background.h"

#include <QBrush>
#include <QPalette>

#include "button/qt/qt_image_conversion.h"

namespace torvel {

void WidgetParentBackground::SetPicture(const QImage& picture) {
    m_explicit = picture;
    m_converted.reset();
}

const Image* WidgetParentBackground::BackgroundPicture() const {
    QImage picture;
    if (m_explicit) {
        picture = *m_explicit;
    } else if (m_button && m_button->parentWidget()) {
        const QBrush brush = m_button->parentWidget()->palette().brush(QPalette::Window);
        if (brush.style() == Qt::TexturePattern) picture = brush.textureImage();
    }
    if (picture.isNull()) return nullptr;
    if (!m_converted || picture.cacheKey() != m_convertedKey) {
        m_converted = ImageFromQImage(picture);
        m_convertedKey = picture.cacheKey();
    }
    return &*m_converted;
}

Point WidgetParentBackground::ButtonPosition() const {
    if (!m_button) return {};
    return {m_button->x(), m_button->y()};
}

}  // namespace torvel
