// The typed reads of a property store, the same for every store.
#include "button/host/property_store.h"

#include <algorithm>
#include <optional>

#include "button/host/property_errors.h"

namespace torvel {

namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The integer held by an entry, if it holds one (a Boolean is -1 or 0).
std::optional<std::int64_t> IntegerOf(const PropertyValue& value) {
    if (const auto* v = std::get_if<std::int16_t>(&value)) return *v;
    if (const auto* v = std::get_if<std::int32_t>(&value)) return *v;
    if (const auto* v = std::get_if<bool>(&value)) return *v ? -1 : 0;
    return std::nullopt;
}

}  // namespace

std::string_view PropertyTypeName(const PropertyValue& value) {
    static constexpr std::string_view kNames[] = {"string", "i16", "i32", "bool", "font", "picture"};
    return kNames[value.index()];
}

bool SameKey(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

std::string PropertyStore::ReadString(std::string_view key, const std::string& fallback) const {
    const PropertyValue* value = Find(key);
    if (!value) return fallback;
    if (const auto* text = std::get_if<std::string>(value)) return *text;
    // Numbers and Booleans are taken in their text form.
    if (const auto* flag = std::get_if<bool>(value)) return *flag ? "True" : "False";
    if (const auto number = IntegerOf(*value)) return std::to_string(*number);
    throw PropertyTypeError(key, PropertyTypeName(*value), "string");
}

std::int16_t PropertyStore::ReadInt16(std::string_view key, std::int16_t fallback) const {
    const PropertyValue* value = Find(key);
    if (!value) return fallback;
    if (const auto number = IntegerOf(*value)) return ToInt16(key, *number);
    throw PropertyTypeError(key, PropertyTypeName(*value), "i16");
}

std::int32_t PropertyStore::ReadInt32(std::string_view key, std::int32_t fallback) const {
    const PropertyValue* value = Find(key);
    if (!value) return fallback;
    if (const auto number = IntegerOf(*value)) return static_cast<std::int32_t>(*number);
    throw PropertyTypeError(key, PropertyTypeName(*value), "i32");
}

bool PropertyStore::ReadBool(std::string_view key, bool fallback) const {
    const PropertyValue* value = Find(key);
    if (!value) return fallback;
    if (const auto number = IntegerOf(*value)) return *number != 0;
    throw PropertyTypeError(key, PropertyTypeName(*value), "bool");
}

FontAttributes PropertyStore::ReadFont(std::string_view key, const FontAttributes& fallback) const {
    const PropertyValue* value = Find(key);
    if (!value) return fallback;
    if (const auto* font = std::get_if<FontAttributes>(value)) return *font;
    throw PropertyTypeError(key, PropertyTypeName(*value), "font");
}

Picture PropertyStore::ReadPicture(std::string_view key, const Picture& fallback) const {
    const PropertyValue* value = Find(key);
    if (!value) return fallback;
    if (const auto* picture = std::get_if<Picture>(value)) return *picture;
    throw PropertyTypeError(key, PropertyTypeName(*value), "picture");
}

}  // namespace torvel
