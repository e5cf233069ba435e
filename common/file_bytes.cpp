// Reading a whole data file into memory, with errors that name the file.
#include "common/file_bytes.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "common/data_file_error.h"
#include "common/system_reason.h"

namespace torvel {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::string ReadFileBytes(const std::string& path) {
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        const int error = errno;
        if (error == ENOENT) throw DataFileError(path, "не найден");
        throw DataFileError(path, "не удалось открыть: " + SystemReason(error));
    }
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        bytes.append(buffer, got);
        if (got < sizeof buffer) break;
    }
    if (std::ferror(file.get())) {
        const int error = errno;
        throw DataFileError(path, "не удалось прочитать: " + SystemReason(error));
    }
    return bytes;
}

}  // namespace torvel
