// Building the controls of the windows' layouts.
#include "windows/controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPalette>

namespace torvel {

QLabel* AddLabel(QWidget* parent, const Place& place, const QFont& font, const QColor& colour,
                 Qt::Alignment horizontal, const QString& text) {
    return SetUpLabel(new QLabel(parent), place, font, colour, horizontal, text);
}

QLabel* SetUpLabel(QLabel* label, const Place& place, const QFont& font, const QColor& colour,
                   Qt::Alignment horizontal, const QString& text) {
    return SetUpLabel(label, place.objectName(), place.rect(), font, colour, horizontal, text);
}

QLabel* SetUpLabel(QLabel* label, const QString& name, const QRect& geometry, const QFont& font, const QColor& colour,
                   Qt::Alignment horizontal, const QString& text) {
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(horizontal | Qt::AlignTop);
    // Words and names come from the player and the data files: never markup.
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_NoMousePropagation);
    label->setText(text);
    return label;
}

void ShowAnnounced(QLabel* label, const QString& what, const QString& text) {
    label->setText(text);
    // Qt reports the change of the name to assistive technology itself.
    label->setAccessibleName(text.isEmpty() ? what : what + QStringLiteral(": ") + text);
}

void MakeReadable(QLabel* label) {
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Qt lets only the mouse give such a label the keyboard.
    label->setFocusPolicy(Qt::StrongFocus);
}

Shape* AddShape(QWidget* parent, const Place& place, Shape::Kind kind) {
    return Placed(new Shape(kind, parent), place);
}

void SetBackgroundColour(QWidget* window, const QColor& colour) {
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, colour);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void MakeToolWindow(QWidget* window, const QString& title, QSize clientSize) {
    window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // Qt leaves tool windows out of the decision to quit when the last window
    // closes; these are windows the player works in, and the program must
    // keep running while one is open after the main window has gone.
    window->setAttribute(Qt::WA_QuitOnClose, true);
    window->setWindowTitle(title);
    window->setFixedSize(clientSize);
}

namespace {

const char* const kDialogProperty = "torvelDialog";

}  // namespace

void AnnounceAsDialog(QWidget* window) {
    window->setProperty(kDialogProperty, true);
    static const bool installed = [] {
        QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
            if (!object->isWidgetType() || !object->property(kDialogProperty).toBool()) return nullptr;
            return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
        });
        return true;
    }();
    (void)installed;
}

}  // namespace torvel
