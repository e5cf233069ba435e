// What the window around a button's widget says about it.
#pragma once

#include <QObject>
#include <QWidget>

#include "button/host/ambient_properties.h"

namespace torvel {

// The instance name is the widget's object name; the container's font is
// its parent's. A font or palette change of the parent is announced as an
// ambient change.
class QtAmbientProperties final : public QObject, public AmbientProperties {
    Q_OBJECT

public:
    explicit QtAmbientProperties(QWidget* surface);

    std::string InstanceName() const override;
    FontAttributes ContainerFont() const override;
    bool DisplayAsDefault() const override { return m_default; }
    void SetDisplayAsDefault(bool isDefault) { m_default = isDefault; }

signals:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_surface;
    bool m_default = false;
};

}  // namespace torvel
