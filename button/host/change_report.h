// Where a button reports that one of its properties changed.
#pragma once

#include <string_view>

namespace torvel {

class ChangeReport {
public:
    virtual ~ChangeReport() = default;

    // `key` is the property's key in the store, e.g. "Caption".
    virtual void PropertyChanged(std::string_view key) = 0;
};

}  // namespace torvel
