// Opening a button's address with the desktop's default handlers.
#pragma once

#include "button/host/address_opener.h"

namespace torvel {

// Failures are ignored: the button only hands the address over.
class QtAddressOpener final : public AddressOpener {
public:
    void ShellOpen(const std::string& address) override;
    // A bare host name or path is completed the way a browser would.
    void Navigate(const std::string& target) override;
};

}  // namespace torvel
