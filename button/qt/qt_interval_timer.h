// The button's hover timer on a QTimer.
#pragma once

#include <QObject>
#include <QTimer>

#include "button/host/interval_timer.h"

namespace torvel {

class QtIntervalTimer final : public QObject, public IntervalTimer {
    Q_OBJECT

public:
    explicit QtIntervalTimer(QObject* parent = nullptr);

    void SetInterval(int milliseconds) override { m_timer.setInterval(milliseconds); }
    void Start() override { m_timer.start(); }
    void Stop() override { m_timer.stop(); }
    bool IsActive() const override { return m_timer.isActive(); }
    int Interval() const { return m_timer.interval(); }

signals:
    void ticked();

private:
    QTimer m_timer;
};

}  // namespace torvel
