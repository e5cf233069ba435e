// What a screen reader sees of a VantorButton: a push button named by its
// caption that can be pressed.
#pragma once

#include <QAccessibleWidget>

namespace torvel {

class VantorButton;

// The button's accessibility interface. The name is the caption without its
// access-key ampersand, or the tool tip for a button that shows only a
// picture; the press action clicks the button. Focus and disabled states come
// from the widget.
class VantorButtonAccessible final : public QAccessibleWidget {
public:
    explicit VantorButtonAccessible(VantorButton* button);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    VantorButton* button() const;
};

// Registers the interface with Qt's accessibility, once per program.
void InstallVantorButtonAccessibility();

// A caption as read aloud: "&&" stands for "&", a lone "&" marks the access key.
QString CaptionWithoutAccessMark(const QString& caption);

}  // namespace torvel
