// Where a window opens beside another one.
#include "windows/beside_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace torvel {

namespace {

// Between the two windows, so that their edges do not touch.
constexpr int kGap = 8;

}  // namespace

QPoint BesideWindow(const QRect& anchor, QSize size, const QRect& screen) {
    const int rightOf = anchor.x() + anchor.width() + kGap;
    const int leftOf = anchor.x() - kGap - size.width();
    const int screenRight = screen.x() + screen.width();
    int x = screenRight - size.width();
    if (rightOf + size.width() <= screenRight) {
        x = rightOf;
    } else if (leftOf >= screen.x()) {
        x = leftOf;
    }
    const int lowest = screen.y() + screen.height() - size.height();
    const int y = std::max(screen.y(), std::min(anchor.y(), lowest));
    return {std::max(screen.x(), x), y};
}

void MoveBeside(QWidget* window, const QWidget* anchor) {
    QScreen* screen = anchor->screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) window->move(BesideWindow(anchor->frameGeometry(), window->size(), screen->availableGeometry()));
}

}  // namespace torvel
