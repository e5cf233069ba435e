// The lock that copies of the game take on a file while they save it.
#include "results/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "common/system_reason.h"
#include "common/atomic_write.h"

namespace torvel {

namespace {

// How often a held lock is looked at again. A save holds it for milliseconds.
constexpr std::chrono::milliseconds kPoll{10};

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
        // Read-only is enough for flock, and opens a lock file someone else
        // made. A link in its place is not followed: nothing is made where it
        // leads.
        fd = ::open(m_lockPath.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
        // Every copy finds the folder alike, so all of them fall back alike.
        if (fd < 0) m_lockPath.clear();
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
        const std::string& locked = m_lockPath.empty() ? target : m_lockPath;
        throw DataFileError(locked, "не удалось заблокировать: " + SystemReason(error));
    }
    if (!m_lockPath.empty() && !StillNamed(fd, m_lockPath)) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

}  // namespace torvel
