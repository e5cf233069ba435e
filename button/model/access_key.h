// The access key a caption marks with an ampersand.
#pragma once

#include <optional>
#include <string_view>

namespace torvel {

// `caption` is UTF-8; positions are counted in characters. "&&" stands for a
// plain ampersand. The key comes back in lower case (Cyrillic included), or
// none when the caption marks no key.
std::optional<char32_t> AccessKeyOf(std::string_view caption);

// The lower case of a Latin, Greek or Cyrillic letter; other characters are
// returned unchanged.
char32_t ToLowerLetter(char32_t c);

}  // namespace torvel
