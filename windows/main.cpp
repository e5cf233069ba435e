// Торвель: the program starts with its main window and ends with its last.
#include <QApplication>
#include <cstdlib>

#include "windows/frmtorvel.h"
#include "windows/qt_translations.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const auto russian = torvel::InstallQtRussian();
    torvel::frmtorvel window;
    if (!window.Form_Load()) return EXIT_FAILURE;
    window.show();
    return QApplication::exec();
}
