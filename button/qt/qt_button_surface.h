// The button's surface attributes kept on a QWidget.
#pragma once

#include <QObject>
#include <QPointer>
#include <QShortcut>
#include <QWidget>

#include "button/host/button_surface.h"

namespace torvel {

class QtButtonSurface final : public QObject, public ButtonSurface {
    Q_OBJECT

public:
    explicit QtButtonSurface(QWidget* widget);

    bool Enabled() const override;
    void SetEnabled(bool enabled) override;
    Colour BackColour() const override { return m_back; }
    void SetBackColour(Colour colour) override;
    Colour ForeColour() const override { return m_fore; }
    void SetForeColour(Colour colour) override;
    FontAttributes Font() const override { return m_font; }
    void SetFont(const FontAttributes& font) override;
    std::int16_t PointerKind() const override { return m_pointer; }
    void SetPointerKind(std::int16_t kind) override;
    Picture CursorPicture() const override { return m_cursorPicture; }
    void SetCursorPicture(const Picture& picture) override;
    // A number of the surface's own, unique in the process; the widget does
    // not need a native window for it.
    std::int32_t WindowHandle() const override { return m_handle; }
    std::string Tag() const override { return m_tag; }
    void SetTag(const std::string& tag) override { m_tag = tag; }
    int ClientWidth() const override;
    int ClientHeight() const override;
    // Qt widgets measure in pixels already.
    void SetScaleToPixels() override {}
    void SetAccessKey(std::optional<char32_t> key) override;

signals:
    // Alt with the access key was pressed in the widget's window.
    void accessKeyActivated(char32_t key);
    // The back colour was set, to a new value or to the one it had.
    void backColourSet(Colour colour);

private:
    void ApplyCursor();

    QWidget* m_widget;
    Colour m_back = 0;
    Colour m_fore = 0;
    FontAttributes m_font;
    std::int16_t m_pointer = 0;
    Picture m_cursorPicture;
    std::string m_tag;
    std::int32_t m_handle;
    QPointer<QShortcut> m_accessShortcut;
};

}  // namespace torvel
