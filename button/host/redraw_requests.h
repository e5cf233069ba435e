// How a button asks for its image to be redrawn.
#pragma once

namespace torvel {

class RedrawRequests {
public:
    virtual ~RedrawRequests() = default;

    // Redraw the whole image now, from the current properties and state.
    virtual void Repaint() = 0;
    // Take the surface's size again (and the window shape of the gradient
    // style), then redraw.
    virtual void Relayout() = 0;
};

}  // namespace torvel
