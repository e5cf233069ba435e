// Торвель: the program starts with its main window and ends with its last.
#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <thread>

#include "windows/frmtorvel.h"
#include "windows/qt_translations.h"

int main(int argc, char* argv[]) {
    // The system's font configuration (its files of rules and the font cache)
    // is what the first text waits for longest; it is loaded beside the
    // connection to the display, which needs none of it.
    std::thread fontConfiguration([] { FcInit(); });
    QApplication application(argc, argv);
    fontConfiguration.join();
    const auto russian = torvel::InstallQtRussian();
    torvel::frmtorvel window;
    if (!window.Form_Load()) return EXIT_FAILURE;
    window.show();
    // The question about an unfinished game comes over the window, once the
    // event loop runs.
    QTimer::singleShot(0, &window, [&] { window.OfferUnfinishedGame(); });
    return QApplication::exec();
}
