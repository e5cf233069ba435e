// The window a button draws on, with the attributes the button sets and reads.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "button/paint/colour.h"
#include "button/paint/font_attributes.h"
#include "button/paint/picture.h"

namespace torvel {

class ButtonSurface {
public:
    virtual ~ButtonSurface() = default;

    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;

    virtual Colour BackColour() const = 0;
    virtual void SetBackColour(Colour colour) = 0;
    virtual Colour ForeColour() const = 0;
    virtual void SetForeColour(Colour colour) = 0;

    virtual FontAttributes Font() const = 0;
    virtual void SetFont(const FontAttributes& font) = 0;

    // 0 is the default pointer, 99 the custom cursor picture; other values
    // select standard pointer shapes.
    virtual std::int16_t PointerKind() const = 0;
    virtual void SetPointerKind(std::int16_t kind) = 0;
    virtual Picture CursorPicture() const = 0;
    virtual void SetCursorPicture(const Picture& picture) = 0;

    virtual std::int32_t WindowHandle() const = 0;

    virtual std::string Tag() const = 0;
    virtual void SetTag(const std::string& tag) = 0;

    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;

    // Every position and size the button works with is in pixels.
    virtual void SetScaleToPixels() = 0;

    // The character that, with Alt, delivers the access-key input; none for
    // no access key.
    virtual void SetAccessKey(std::optional<char32_t> key) = 0;
};

}  // namespace torvel
