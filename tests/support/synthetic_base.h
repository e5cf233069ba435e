// A made-up word base with the shape of a real one, for tests and benchmarks
// that must not depend on the installed dictionary.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace torvel {

// 11031 distinct lines of Cyrillic capitals (Windows-1251) following Russian
// letter frequencies: about a third are long words of 9 to 14 letters, the
// rest shorter words, many of them made from the letters of a long word, so a
// drawn source word has a realistic number of playable words. The same seed
// gives the same base.
std::vector<std::string> SyntheticBaseLines(std::uint32_t seed);

}  // namespace torvel
