// Reading a whole data file into memory, with errors that name the file.
#include "common/file_bytes.h"

#include "common/data_file_reader.h"

namespace torvel {

std::string ReadFileBytes(const std::string& path) {
    const DataFile file = OpenDataFile(path);
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        bytes.append(buffer, got);
        if (got < sizeof buffer) break;
    }
    ThrowIfReadFailed(file.get(), path);
    return bytes;
}

}  // namespace torvel
