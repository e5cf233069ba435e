// Reading the part of a word-base file that the game can ever use.
#include "game/word_base_file.h"

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

std::string ReadWordBaseFile(const std::string& path, std::size_t lines,
                             std::size_t maxLineLength) {
    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        const int error = errno;
        if (error == ENOENT) throw DataFileError(path, "не найден");
        throw DataFileError(path, "не удалось открыть: " + SystemReason(error));
    }
    std::string bytes;
    std::size_t ended = 0;
    std::size_t lineLength = 0;
    bool afterCr = false;
    char buffer[1 << 16];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        for (std::size_t i = 0; i < got; ++i) {
            const char byte = buffer[i];
            const bool lfOfCrLf = afterCr && byte == '\n';
            afterCr = byte == '\r';
            if (lfOfCrLf) continue;
            if (byte == '\r' || byte == '\n') {
                lineLength = 0;
                if (++ended == lines) {
                    bytes.append(buffer, i + 1);
                    return bytes;
                }
            } else if (++lineLength > maxLineLength) {
                bytes.append(buffer, i + 1);
                return bytes;
            }
        }
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
