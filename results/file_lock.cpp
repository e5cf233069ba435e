// The lock that copies of the game take on a file while they save it.
#include "results/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "common/system_reason.h"
#include "results/atomic_write.h"

namespace torvel {

namespace {

// How often a held lock is looked at again. A save holds it for milliseconds.
constexpr std::chrono::milliseconds kPoll{10};

[[noreturn]] void Fail(const std::string& file, const std::string& what, int error) {
    throw DataFileError(file, what + ": " + SystemReason(error));
}

// Whether `path` still names the file open as `fd`: its holder may have
// removed it between our opening and our locking.
bool StillNamed(int fd, const std::string& path) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

}  // namespace

FileLock::FileLock(const std::string& path, std::chrono::milliseconds wait) {
    const std::string target = LinkTarget(path);
    m_lockPath = target + ".lock";
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (!tryLock(target)) {
        if (std::chrono::steady_clock::now() >= deadline) {
            throw FileBusyError(path, "занят другой копией игры, новая таблица пока не записана");
        }
        std::this_thread::sleep_for(kPoll);
    }
}

FileLock::~FileLock() {
    if (m_fd < 0) return;
    // Removed while still held, so that nobody can lock it after we let go.
    if (!m_lockPath.empty()) ::unlink(m_lockPath.c_str());
    ::close(m_fd);
}

bool FileLock::tryLock(const std::string& target) {
    int fd = -1;
    if (!m_lockPath.empty()) {
        // Read-only is enough for flock, and opens a lock file someone else made.
        fd = ::open(m_lockPath.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0 && (errno == EACCES || errno == EROFS)) {
            m_lockPath.clear();
        } else if (fd < 0 && errno == ELOOP) {
            throw DataFileError(m_lockPath, "это ссылка, а файл блокировки должен быть обычным файлом");
        } else if (fd < 0) {
            Fail(m_lockPath, "не удалось создать файл блокировки", errno);
        }
    }
    if (m_lockPath.empty()) {
        fd = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
        // Nothing there to lock: the save itself says what is wrong.
        if (fd < 0) return true;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK || error == EINTR) return false;
        if (error == ENOLCK || error == EOPNOTSUPP) {
            if (!m_lockPath.empty()) ::unlink(m_lockPath.c_str());
            return true;
        }
        Fail(m_lockPath.empty() ? target : m_lockPath, "не удалось заблокировать", error);
    }
    if (!m_lockPath.empty() && !StillNamed(fd, m_lockPath)) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

}  // namespace torvel
