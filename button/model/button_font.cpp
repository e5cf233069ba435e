// The button's own font object, which announces every change of an attribute.
#include "button/model/button_font.h"

#include <utility>

namespace torvel {

ButtonFont::ButtonFont(std::function<void()> onChange) : m_onChange(std::move(onChange)) {}

void ButtonFont::SetName(const std::string& name) {
    m_attributes.name = name;
    m_onChange();
}

void ButtonFont::SetSize(double points) {
    m_attributes.size = points;
    m_onChange();
}

void ButtonFont::SetBold(bool bold) {
    m_attributes.bold = bold;
    m_onChange();
}

void ButtonFont::SetItalic(bool italic) {
    m_attributes.italic = italic;
    m_onChange();
}

void ButtonFont::SetUnderline(bool underline) {
    m_attributes.underline = underline;
    m_onChange();
}

void ButtonFont::SetStrikethrough(bool strikethrough) {
    m_attributes.strikethrough = strikethrough;
    m_onChange();
}

void ButtonFont::SetWeight(int weight) {
    m_attributes.weight = weight;
    m_onChange();
}

void ButtonFont::SetCharset(int charset) {
    m_attributes.charset = charset;
    m_onChange();
}

}  // namespace torvel
