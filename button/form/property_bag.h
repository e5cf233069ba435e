// An in-memory property store that keeps its entries in the order written.
#pragma once

#include <string>
#include <vector>

#include "button/host/property_store.h"

namespace torvel {

class PropertyBag final : public PropertyStore {
public:
    struct Entry {
        std::string key;
        PropertyValue value;
    };

    const PropertyValue* Find(std::string_view key) const override;
    // A new key goes to the end; an existing one keeps its place and spelling.
    void Put(std::string_view key, PropertyValue value) override;
    void Remove(std::string_view key) override;

    const std::vector<Entry>& Entries() const { return m_entries; }

private:
    std::vector<Entry> m_entries;
};

}  // namespace torvel
