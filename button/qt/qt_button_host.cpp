// The Qt services of one button widget, gathered for the button's model.
#include "button/qt/qt_button_host.h"

namespace torvel {

QtButtonHost::QtButtonHost(QWidget* surface, QtSoundPlayer& sound)
    : m_surface(new QtButtonSurface(surface)),
      m_changes(new QtChangeReport(surface)),
      m_ambient(new QtAmbientProperties(surface)),
      m_units(surface),
      m_redraw(new QtRedrawRequests(surface)),
      m_overTimer(new QtIntervalTimer(surface)),
      m_pointer(new QtPointerDevice(surface)),
      m_sound(sound),
      m_events(new QtButtonEvents(surface)) {}

ButtonHost QtButtonHost::Host() {
    return ButtonHost{*m_surface, *m_changes,  *m_ambient, m_units,     *m_redraw, *m_overTimer,
                      *m_pointer, m_eventLoop, m_sound,    m_addresses, *m_events};
}

}  // namespace torvel
