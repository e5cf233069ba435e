// A repeating timer; the host delivers its ticks to the button.
#pragma once

namespace torvel {

class IntervalTimer {
public:
    virtual ~IntervalTimer() = default;

    virtual void SetInterval(int milliseconds) = 0;
    virtual void Start() = 0;
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
};

}  // namespace torvel
