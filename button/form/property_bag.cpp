// An in-memory property store that keeps its entries in the order written.
#include "button/form/property_bag.h"

#include <algorithm>

namespace torvel {

const PropertyValue* PropertyBag::Find(std::string_view key) const {
    const auto found =
        std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return SameKey(e.key, key); });
    return found == m_entries.end() ? nullptr : &found->value;
}

void PropertyBag::Put(std::string_view key, PropertyValue value) {
    const auto found =
        std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return SameKey(e.key, key); });
    if (found != m_entries.end()) {
        found->value = std::move(value);
    } else {
        m_entries.push_back(Entry{std::string(key), std::move(value)});
    }
}

void PropertyBag::Remove(std::string_view key) {
    std::erase_if(m_entries, [&](const Entry& e) { return SameKey(e.key, key); });
}

}  // namespace torvel
