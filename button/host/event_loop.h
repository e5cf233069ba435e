// Letting the window system handle waiting events in the middle of a handler.
#pragma once

namespace torvel {

class EventLoop {
public:
    virtual ~EventLoop() = default;

    virtual void Yield() = 0;
};

}  // namespace torvel
