// The program ends with its last window.
#include "windows/last_window.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

namespace torvel {

namespace {

// A window the program lives for: not a tool tip or a menu, which only pass.
bool Open(const QWidget* window) {
    const Qt::WindowType type = window->windowType();
    return window->isVisible() && window->testAttribute(Qt::WA_QuitOnClose) && type != Qt::ToolTip &&
           type != Qt::Popup;
}

}  // namespace

void EndWithTheLastWindow(QObject* owner) {
    // Queued, so that it comes after whatever the closing window's handlers
    // still had to do, and looks again then: a window opened meanwhile on
    // purpose keeps the program going.
    QObject::connect(
        qApp, &QGuiApplication::lastWindowClosed, owner,
        [] {
            const QWidgetList windows = QApplication::topLevelWidgets();
            if (std::none_of(windows.begin(), windows.end(), Open)) QCoreApplication::quit();
        },
        Qt::QueuedConnection);
}

}  // namespace torvel
