// The button's own font object, which announces every change of an attribute.
#pragma once

#include <functional>
#include <string>

#include "button/font_spec.h"

namespace torvel {

class ButtonFont {
public:
    explicit ButtonFont(std::function<void()> onChange);

    const FontSpec& Spec() const { return m_spec; }

    // Replaces the whole font quietly, as when a new font object is put in
    // place of the old one.
    void Replace(const FontSpec& spec) { m_spec = spec; }

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
    FontSpec m_spec;
    std::function<void()> m_onChange;
};

}  // namespace torvel
