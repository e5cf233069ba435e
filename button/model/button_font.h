// The button's own font object, which announces every change of an attribute.
#pragma once

#include <functional>
#include <string>

#include "button/paint/font_attributes.h"

namespace torvel {

class ButtonFont {
public:
    explicit ButtonFont(std::function<void()> onChange);

    const FontAttributes& Attributes() const { return m_attributes; }

    // Replaces the whole font quietly, as when a new font object is put in
    // place of the old one.
    void Replace(const FontAttributes& attributes) { m_attributes = attributes; }

    // Each assignment announces a change, even of an equal value.
    void SetName(const std::string& name);
    void SetSize(double points);
    void SetBold(bool bold);
    void SetItalic(bool italic);
    void SetUnderline(bool underline);
    void SetStrikethrough(bool strikethrough);
    void SetWeight(int weight);
    void SetCharset(int charset);

private:
    FontAttributes m_attributes;
    std::function<void()> m_onChange;
};

}  // namespace torvel
