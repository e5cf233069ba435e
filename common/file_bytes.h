// Reading a whole data file into memory, with errors that name the file.
#pragma once

#include <string>

namespace torvel {

// Returns the file's bytes. Throws DataFileError ("не найден", or "не удалось
// прочитать" with the system's reason) when the file cannot be read.
std::string ReadFileBytes(const std::string& path);

}  // namespace torvel
