// The pointer as a button's widget sees it, and mouse capture for it.
#pragma once

#include <QObject>
#include <QWidget>

#include "button/host/pointer_device.h"

namespace torvel {

class QtPointerDevice final : public QObject, public PointerDevice {
    Q_OBJECT

public:
    explicit QtPointerDevice(QWidget* surface);

    ScreenPoint CursorPos() const override;
    bool IsSurfaceAt(ScreenPoint point) const override;
    // Grabs the mouse for the surface until the next button release on it.
    void Capture() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_surface;
};

}  // namespace torvel
