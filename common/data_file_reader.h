// Opening a data file for reading, with errors that name the file.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace torvel {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

using DataFile = std::unique_ptr<std::FILE, FileCloser>;

// Opens `path` for binary reading. Throws DataFileError ("не найден", or "не
// удалось открыть" with the reason) when it cannot.
DataFile OpenDataFile(const std::string& path);

// Throws DataFileError ("не удалось прочитать" with the reason) when a read
// from `file` has failed.
void ThrowIfReadFailed(std::FILE* file, const std::string& path);

}  // namespace torvel
