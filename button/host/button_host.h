// Everything a button needs from the program around it, in one place.
#pragma once

#include "button/host/address_opener.h"
#include "button/host/ambient_properties.h"
#include "button/host/button_events.h"
#include "button/host/button_surface.h"
#include "button/host/change_report.h"
#include "button/host/event_loop.h"
#include "button/host/himetric_converter.h"
#include "button/host/interval_timer.h"
#include "button/host/pointer_device.h"
#include "button/host/redraw_requests.h"
#include "button/host/sound_player.h"

namespace torvel {

// The services must outlive the button that uses them.
struct ButtonHost {
    ButtonSurface& surface;
    ChangeReport& changes;
    AmbientProperties& ambient;
    HiMetricConverter& units;
    RedrawRequests& redraw;
    IntervalTimer& overTimer;
    PointerDevice& pointer;
    EventLoop& eventLoop;
    SoundPlayer& sound;
    AddressOpener& addresses;
    ButtonEvents& events;
};

}  // namespace torvel
