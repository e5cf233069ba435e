// The per-instance key/value store a button restores from and saves to.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "button/paint/font_attributes.h"
#include "button/paint/picture.h"

namespace torvel {

// The typed values a store holds: text, 16- and 32-bit integers, Booleans,
// fonts and pictures.
using PropertyValue = std::variant<std::string, std::int16_t, std::int32_t, bool, FontAttributes, Picture>;

// The name of a value's type as the stored form writes it ("string", "i16"...).
std::string_view PropertyTypeName(const PropertyValue& value);

// Keys are compared without regard to case. Implementations hold the entries;
// the typed reads and the eliding write are the same for every store.
class PropertyStore {
public:
    virtual ~PropertyStore() = default;

    virtual const PropertyValue* Find(std::string_view key) const = 0;
    virtual void Put(std::string_view key, PropertyValue value) = 0;
    virtual void Remove(std::string_view key) = 0;

    // Each read returns `fallback` when the key is absent. Integers are
    // accepted whichever width they were stored with, and a Boolean reads as
    // true from any non-zero integer. Throws PropertyTypeError for a value of
    // an unusable type and OverflowError for a 32-bit value read as 16-bit.
    std::string ReadString(std::string_view key, const std::string& fallback) const;
    std::int16_t ReadInt16(std::string_view key, std::int16_t fallback) const;
    std::int32_t ReadInt32(std::string_view key, std::int32_t fallback) const;
    bool ReadBool(std::string_view key, bool fallback) const;
    FontAttributes ReadFont(std::string_view key, const FontAttributes& fallback) const;
    Picture ReadPicture(std::string_view key, const Picture& fallback) const;

    // A value equal to its default is not stored: an absent key reads back as
    // the default anyway, so an earlier entry under the key is removed.
    template <class T>
    void Write(std::string_view key, const T& value, const T& fallback) {
        if (value == fallback) {
            Remove(key);
        } else {
            Put(key, PropertyValue(std::in_place_type<T>, value));
        }
    }
};

// Keys of the store match without regard to (ASCII) letter case.
bool SameKey(std::string_view a, std::string_view b);

}  // namespace torvel
