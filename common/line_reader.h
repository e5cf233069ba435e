// Splitting a data file into lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace torvel {

// CR LF, a lone CR and a lone LF each end a line; the terminator is not part of
// the line and nothing else is stripped. A last line without a terminator still
// counts; a file ending in a terminator has no empty line after it. At most
// `maxLines` lines are returned: the rest of the file is never looked at.
std::vector<std::string> SplitLines(std::string_view bytes, std::size_t maxLines);

}  // namespace torvel
