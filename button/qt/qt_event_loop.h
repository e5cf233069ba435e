// Letting Qt handle waiting events in the middle of a button's handler.
#pragma once

#include "button/host/event_loop.h"

namespace torvel {

class QtEventLoop final : public EventLoop {
public:
    void Yield() override;
};

}  // namespace torvel
