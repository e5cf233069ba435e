// Letting Qt handle waiting events in the middle of a button's handler.
#include "button/qt/qt_event_loop.h"

#include <QCoreApplication>

namespace torvel {

void QtEventLoop::Yield() { QCoreApplication::processEvents(); }

}  // namespace torvel
