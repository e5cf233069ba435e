// Errors raised when a property value cannot be taken as it stands.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace torvel {

// A number that does not fit the width of the property it is meant for, such
// as a MousePointer outside the 16-bit range.
class OverflowError : public std::overflow_error {
public:
    OverflowError(std::string_view key, std::int64_t value);

    const std::string& key() const { return m_key; }
    std::int64_t value() const { return m_value; }

private:
    std::string m_key;
    std::int64_t m_value;
};

// A stored value whose type cannot be read as the type a property needs,
// such as a picture stored under "Caption".
class PropertyTypeError : public std::runtime_error {
public:
    PropertyTypeError(std::string_view key, std::string_view stored, std::string_view wanted);

    const std::string& key() const { return m_key; }

private:
    std::string m_key;
};

// The 16-bit value of `value`, or OverflowError naming `key`.
std::int16_t ToInt16(std::string_view key, std::int64_t value);

}  // namespace torvel
