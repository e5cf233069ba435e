// What a screen reader sees of a VantorButton: a push button named by its
// caption that can be pressed.
#include "button/qt/vantor_button_accessible.h"

#include "button/qt/vantor_button.h"

namespace torvel {

namespace {

QAccessibleInterface* CreateInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(VantorButton::staticMetaObject.className())) return nullptr;
    return new VantorButtonAccessible(static_cast<VantorButton*>(object));
}

}  // namespace

QString CaptionWithoutAccessMark(const QString& caption) {
    QString read;
    read.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            ++i;
            if (i == caption.size()) break;
        }
        read += caption[i];
    }
    return read;
}

VantorButtonAccessible::VantorButtonAccessible(VantorButton* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

VantorButton* VantorButtonAccessible::button() const { return static_cast<VantorButton*>(widget()); }

QString VantorButtonAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    // A name the program gave the widget comes first, as for Qt's buttons.
    if (!widget()->accessibleName().isEmpty()) return widget()->accessibleName();
    const QString caption = CaptionWithoutAccessMark(button()->Caption());
    return caption.isEmpty() ? widget()->toolTip() : caption;
}

QStringList VantorButtonAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled()) names.prepend(pressAction());
    return names;
}

void VantorButtonAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction()) {
        button()->Press();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

QStringList VantorButtonAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName == pressAction()) return {QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

void InstallVantorButtonAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&CreateInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace torvel
