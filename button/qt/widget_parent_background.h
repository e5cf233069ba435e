// The parent window's background picture under a button widget.
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <optional>

#include "button/paint/image.h"
#include "button/paint/parent_background.h"

namespace torvel {

// The picture is the one set with SetPicture, or else the texture of the
// parent's window brush (how a Qt window shows a background picture); the
// button's position is its position in the parent.
class WidgetParentBackground final : public ParentBackground {
public:
    explicit WidgetParentBackground(QWidget* button) : m_button(button) {}

    void SetPicture(const QImage& picture);

    const Image* BackgroundPicture() const override;
    Point ButtonPosition() const override;

private:
    QPointer<QWidget> m_button;
    std::optional<QImage> m_explicit;
    // The last picture converted, by the QImage's cache key.
    mutable qint64 m_convertedKey = 0;
    mutable std::optional<Image> m_converted;
};

}  // namespace torvel
