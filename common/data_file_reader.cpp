// Opening a data file for reading, with errors that name the file.
#include "common/data_file_reader.h"

#include <cerrno>

#include "common/data_file_error.h"
#include "common/system_reason.h"

namespace torvel {

DataFile OpenDataFile(const std::string& path) {
    errno = 0;
    DataFile file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        const int error = errno;
        if (error == ENOENT) throw DataFileError(path, "не найден");
        throw DataFileError(path, "не удалось открыть: " + SystemReason(error));
    }
    return file;
}

void ThrowIfReadFailed(std::FILE* file, const std::string& path) {
    if (std::ferror(file)) {
        const int error = errno;
        throw DataFileError(path, "не удалось прочитать: " + SystemReason(error));
    }
}

}  // namespace torvel
