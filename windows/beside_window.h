// Where a window opens beside another one.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace torvel {

// The top left corner for a window of `size` beside `anchor`, on a screen
// whose free area is `screen` (all in screen pixels): to the right of the
// anchor, or to its left where the right has no room, or else against the
// screen's right edge; level with the anchor's top. The window is kept on the
// screen wherever it fits.
QPoint BesideWindow(const QRect& anchor, QSize size, const QRect& screen);

// Moves `window` there beside `anchor`, on the anchor's screen.
void MoveBeside(QWidget* window, const QWidget* anchor);

}  // namespace torvel
