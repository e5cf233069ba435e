// A button's requests to be redrawn, as Qt signals for its widget.
#pragma once

#include <QObject>

#include "button/host/redraw_requests.h"

namespace torvel {

// Connect with a direct connection and draw at once: the button changes its
// state right after some repaints (a held button is drawn released, then
// marked pressed again), so a deferred update would show the wrong look.
class QtRedrawRequests final : public QObject, public RedrawRequests {
    Q_OBJECT

public:
    using QObject::QObject;

    void Repaint() override { emit repaintRequested(); }
    void Relayout() override { emit relayoutRequested(); }

signals:
    void repaintRequested();
    void relayoutRequested();
};

}  // namespace torvel
