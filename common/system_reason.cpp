// The player-facing wording of an operating-system error number.
#include "common/system_reason.h"

#include <cerrno>
#include <cstring>

namespace torvel {

std::string SystemReason(int error) {
    switch (error) {
        case ENOENT: return "не найден";
        case EACCES:
        case EPERM: return "нет прав доступа";
        case EISDIR: return "это папка, а не файл";
        case ENOSPC: return "нет места на диске";
        case EDQUOT: return "превышена дисковая квота";
        case EROFS: return "диск доступен только для чтения";
        case EFBIG: return "превышен допустимый размер файла";
        case EIO: return "ошибка ввода-вывода";
        default: return std::strerror(error);
    }
}

}  // namespace torvel
