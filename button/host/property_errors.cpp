// Errors raised when a property value cannot be taken as it stands.
#include "button/host/property_errors.h"

#include <limits>

namespace torvel {

OverflowError::OverflowError(std::string_view key, std::int64_t value)
    : std::overflow_error("«" + std::string(key) + "»: значение " + std::to_string(value) + " не помещается в 16 бит"),
      m_key(key),
      m_value(value) {}

PropertyTypeError::PropertyTypeError(std::string_view key, std::string_view stored, std::string_view wanted)
    : std::runtime_error("«" + std::string(key) + "»: записано значение типа " + std::string(stored) +
                         ", а нужен тип " + std::string(wanted)),
      m_key(key) {}

std::int16_t ToInt16(std::string_view key, std::int64_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
        throw OverflowError(key, value);
    }
    return static_cast<std::int16_t>(value);
}

}  // namespace torvel
