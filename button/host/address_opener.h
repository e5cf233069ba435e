// Opening the address a button carries.
#pragma once

#include <string>

namespace torvel {

class AddressOpener {
public:
    virtual ~AddressOpener() = default;

    // A "mailto:" address, handed to the desktop shell's open operation.
    virtual void ShellOpen(const std::string& address) = 0;
    // Any other address, handed to the container's hyperlink navigation.
    virtual void Navigate(const std::string& target) = 0;
};

}  // namespace torvel
