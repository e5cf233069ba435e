// The yardstick for the game's start-up: the least a Qt Widgets program does
// to show a window, a plain widget of the main window's size and title
// "Минимум", filled with the panel colour 255, 192, 128. With "--text" it
// also shows one line of text, which costs what any window with text must
// pay once (the font configuration, the font database, the first font).
#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Минимум"));
    window.setFixedSize(445, 349);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(255, 192, 128));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        auto* line = new QLabel(QStringLiteral("Торвель"), &window);
        line->setFont(QFont(QStringLiteral("Liberation Sans"), 12));
    }
    window.show();
    return QApplication::exec();
}
