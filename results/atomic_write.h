// Replacing a file's content so that a crash leaves either the old or the new.
#pragma once

#include <string>
#include <string_view>

namespace torvel {

// Writes `bytes` to a new file beside `path` ("<path>.XXXXXX"), flushes it to
// the disk and renames it over `path`. Whatever happens, `path` holds either
// its old content or the complete new one, never a mixture or a part.
//
// The new file takes the old file's permission bits, or 0644 when there was
// no old file. On failure the temporary file is removed and DataFileError names
// `path` and the system's reason; `path` is then untouched.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace torvel
