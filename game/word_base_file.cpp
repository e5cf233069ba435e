// Reading the part of a word-base file that the game can ever use.
#include "game/word_base_file.h"

#include "common/data_file_reader.h"

namespace torvel {

std::string ReadWordBaseFile(const std::string& path, std::size_t lines,
                             std::size_t maxLineLength) {
    const DataFile file = OpenDataFile(path);
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
    ThrowIfReadFailed(file.get(), path);
    return bytes;
}

}  // namespace torvel
