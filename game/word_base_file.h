// Reading the part of a word-base file that the game can ever use.
#pragma once

#include <cstddef>
#include <string>

namespace torvel {

// Returns the file's bytes up to the end of line `lines`, or up to the first
// byte of a line that runs past `maxLineLength` characters, or the whole file
// if it ends before either. Lines end as in SplitLines (CR LF, CR, LF). The
// rest of the file is never read, so a huge file costs neither memory nor time.
// Throws DataFileError ("не найден", "не удалось открыть: ...", "не удалось
// прочитать: ...") when the file cannot be read.
std::string ReadWordBaseFile(const std::string& path, std::size_t lines, std::size_t maxLineLength);

}  // namespace torvel
