// The player-facing wording of an operating-system error number.
#pragma once

#include <string>

namespace torvel {

// A short Russian reason for errno values a player can act on; other values
// fall back to the system's own text.
std::string SystemReason(int error);

}  // namespace torvel
