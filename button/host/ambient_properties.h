// What the window containing a button tells it about its surroundings.
#pragma once

#include <string>

#include "button/paint/font_attributes.h"

namespace torvel {

class AmbientProperties {
public:
    virtual ~AmbientProperties() = default;

    // The instance's name in its window, e.g. "cmdstart".
    virtual std::string InstanceName() const = 0;
    // The window's font.
    virtual FontAttributes ContainerFont() const = 0;
    // False while the button is shown in a form designer rather than running.
    virtual bool UserMode() const { return true; }
    // True when the button is its window's default button.
    virtual bool DisplayAsDefault() const { return false; }
};

}  // namespace torvel
