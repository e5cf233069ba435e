// Reading the first lines of a text file without reading the rest of it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace torvel {

// Returns at most `count` lines from the start of the file, split as SplitLines
// does (CR LF, a lone CR and a lone LF end a line; nothing else is stripped).
// Reading stops after the last line wanted, so whatever follows it, however
// large, is never looked at. Fewer lines come back when the file is shorter.
//
// Throws DataFileError when the file cannot be opened or read, and when one of
// the wanted lines is longer than `maxLineBytes`: such a file is refused rather
// than read into memory without bound or cut short.
std::vector<std::string> ReadLeadingLines(const std::string& path, std::size_t count,
                                          std::size_t maxLineBytes);

}  // namespace torvel
