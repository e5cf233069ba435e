// Writing a window's stored button properties as the text the parser reads.
#include "button/form/stored_form_writer.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <stdexcept>

#include "button/form/form_text.h"

namespace torvel {

namespace {

// Texts that would not read back as they are get quotes: empty ones, ones
// with blanks at either end, a leading quote or control characters.
std::string WriteText(const std::string& text) {
    const bool needsQuotes = text.empty() || IsBlank(text.front()) || IsBlank(text.back()) || text.front() == '"' ||
                             text.find_first_of("\n\r") != std::string::npos;
    return needsQuotes ? Quote(text) : text;
}

// Small numbers read best in decimal; large ones are colours or bit
// patterns, which read best as eight hexadecimal digits.
std::string WriteInt32(std::int32_t value) {
    if (value >= -0x8000 && value <= 0xFFFF) return std::to_string(value);
    std::array<char, 16> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "0x%08X", static_cast<unsigned>(value));
    return buffer.data();
}

std::string WriteSize(double points) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), points);
    return std::string(buffer.data(), result.ptr);
}

std::string WriteFont(const FontAttributes& font) {
    return Quote(font.name) + ' ' + WriteSize(font.size) + ' ' + std::to_string(font.weight) + ' ' +
           std::to_string(font.charset) + ' ' + (font.bold ? '1' : '0') + ' ' + (font.italic ? '1' : '0') + ' ' +
           (font.underline ? '1' : '0') + ' ' + (font.strikethrough ? '1' : '0');
}

std::string WriteReference(const std::string& reference) {
    if (reference.empty()) throw std::invalid_argument("у картинки нет файла, на который можно сослаться");
    const bool needsQuotes = reference.find_first_of(" \t\"\\") != std::string::npos;
    return needsQuotes ? Quote(reference) : reference;
}

std::string WritePicture(const Picture& picture) {
    if (picture.isNone()) return "none";
    switch (picture.type()) {
        case Picture::Type::None:
            return "empty";
        case Picture::Type::Bitmap:
            return "bitmap " + WriteReference(picture.source());
        case Picture::Type::Icon:
            return "icon " + WriteReference(picture.source());
        default:
            throw std::invalid_argument("метафайлы не записываются");
    }
}

std::string AsciiLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

}  // namespace

std::string WriteTypedValue(const PropertyValue& value) {
    const std::string type(PropertyTypeName(value));
    if (const auto* text = std::get_if<std::string>(&value)) return type + ' ' + WriteText(*text);
    if (const auto* number = std::get_if<std::int16_t>(&value)) return type + ' ' + std::to_string(*number);
    if (const auto* number = std::get_if<std::int32_t>(&value)) return type + ' ' + WriteInt32(*number);
    if (const auto* flag = std::get_if<bool>(&value)) return type + (*flag ? " true" : " false");
    if (const auto* font = std::get_if<FontAttributes>(&value)) return type + ' ' + WriteFont(*font);
    return type + ' ' + WritePicture(std::get<Picture>(value));
}

std::string WriteStoredForm(const StoredForm& form) {
    std::string out;
    for (const StoredInstance& instance : form.Instances()) {
        if (!out.empty()) out += '\n';
        out += '[' + instance.name + "]\n";
        for (const PropertyBag::Entry& entry : instance.properties.Entries()) {
            try {
                out += AsciiLower(entry.key) + ' ' + WriteTypedValue(entry.value) + '\n';
            } catch (const std::invalid_argument& e) {
                throw std::invalid_argument("[" + instance.name + "] " + entry.key + ": " + e.what());
            }
        }
    }
    return out;
}

}  // namespace torvel
