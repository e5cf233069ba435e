// Replacing a file's content so that a failure leaves either the old or the new.
#pragma once

#include <string>
#include <string_view>

namespace torvel {

// Writes `bytes` to a new file beside the file `path` names ("<file>.XXXXXX"),
// flushes it to the disk and renames it over that file. Whatever happens, the
// file holds either its old content or the complete new one, never a mixture
// or a part.
//
// Around that:
// - When `path` is a symbolic link, the file it leads to is replaced (the
//   temporary file is made in that file's folder) and the link stays.
// - A file without write permission is refused: the user made it read-only.
//   The message says so and adds `notWritten`, what the file did not get
//   ("новая таблица в него не записана").
// - When no temporary file can be made beside it (a read-only folder), the
//   file is rewritten in place instead: written, flushed, its size checked; if
//   that fails, its old content is written back.
//
// The new file takes the old file's permission bits, or 0644 when there was
// no old file. On failure DataFileError names `path` and the reason, and the
// file keeps its old content.
void WriteFileAtomically(const std::string& path, std::string_view bytes, std::string_view notWritten);

// The file `path` leads to through any symbolic links: the file that a save
// replaces. A link that leads nowhere yet names the file to create. Throws
// DataFileError naming `path` for a link that cannot be read or a loop.
std::string LinkTarget(const std::string& path);

}  // namespace torvel
