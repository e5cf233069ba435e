// Writing a window's stored button properties as the text the parser reads.
#pragma once

#include <string>

#include "button/form/stored_form.h"

namespace torvel {

// Instances in order, each "[name]" followed by its entries in the order the
// store holds them, keys in lower case; a blank line between instances.
// Throws std::invalid_argument for a picture that has no file to refer to
// (one not loaded from the assets) or that is a metafile.
std::string WriteStoredForm(const StoredForm& form);

// One entry's line without its key: "i32 3", "string OK".
std::string WriteTypedValue(const PropertyValue& value);

}  // namespace torvel
