// The button's hover timer on a QTimer.
#include "button/qt/qt_interval_timer.h"

namespace torvel {

QtIntervalTimer::QtIntervalTimer(QObject* parent) : QObject(parent) {
    // A 10 ms poll needs the precise timer; the coarse one may be 5% late.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &QtIntervalTimer::ticked);
}

}  // namespace torvel
