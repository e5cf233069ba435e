// The Qt services of one button widget, gathered for the button's model.
#pragma once

#include <QWidget>

#include "button/host/button_host.h"
#include "button/qt/qt_address_opener.h"
#include "button/qt/qt_ambient_properties.h"
#include "button/qt/qt_button_events.h"
#include "button/qt/qt_button_surface.h"
#include "button/qt/qt_change_report.h"
#include "button/qt/qt_event_loop.h"
#include "button/qt/qt_himetric_converter.h"
#include "button/qt/qt_interval_timer.h"
#include "button/qt/qt_pointer_device.h"
#include "button/qt/qt_redraw_requests.h"
#include "button/qt/qt_sound_player.h"

namespace torvel {

// The QObject services are children of `surface`; `sound` is the program's
// one player. The widget connects the signals: redraw requests to its
// painting, timer ticks, ambient changes and the access key to the model's
// inputs, events to its window.
class QtButtonHost {
public:
    QtButtonHost(QWidget* surface, QtSoundPlayer& sound);
    QtButtonHost(const QtButtonHost&) = delete;
    QtButtonHost& operator=(const QtButtonHost&) = delete;

    ButtonHost Host();

    QtButtonSurface& surface() { return *m_surface; }
    QtChangeReport& changes() { return *m_changes; }
    QtAmbientProperties& ambient() { return *m_ambient; }
    QtRedrawRequests& redraw() { return *m_redraw; }
    QtIntervalTimer& overTimer() { return *m_overTimer; }
    QtPointerDevice& pointer() { return *m_pointer; }
    QtButtonEvents& events() { return *m_events; }

private:
    QtButtonSurface* m_surface;
    QtChangeReport* m_changes;
    QtAmbientProperties* m_ambient;
    QtHiMetricConverter m_units;
    QtRedrawRequests* m_redraw;
    QtIntervalTimer* m_overTimer;
    QtPointerDevice* m_pointer;
    QtEventLoop m_eventLoop;
    QtSoundPlayer& m_sound;
    QtAddressOpener m_addresses;
    QtButtonEvents* m_events;
};

}  // namespace torvel
