// Replacing a file's content so that a failure leaves either the old or the new.
#include "common/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "common/data_file_error.h"
#include "common/system_reason.h"

namespace torvel {

namespace {

// The folder that holds `path`, for creating the temporary file beside it
// and for making the rename itself durable.
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

[[noreturn]] void Fail(const std::string& path, const std::string& what, int error) {
    throw DataFileError(path, what + ": " + SystemReason(error));
}

}  // namespace

// A save replaces this file, so that the links to it stay.
std::string LinkTarget(const std::string& path) {
    namespace fs = std::filesystem;
    constexpr int kMaxLinks = 40;  // as the system counts before ELOOP
    fs::path target = path;
    std::error_code error;
    for (int hop = 0; fs::is_symlink(target, error); ++hop) {
        if (hop == kMaxLinks) Fail(path, "не удалось пройти по ссылке", ELOOP);
        const fs::path next = fs::read_symlink(target, error);
        if (error) Fail(path, "не удалось прочитать ссылку", error.value());
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target.string();
}

namespace {

// A file whose mode gives no one write permission, or that this user may
// not write, was made read-only on purpose: replacing it would go around that.
void RefuseReadOnly(const std::string& path, const std::string& target, std::string_view notWritten) {
    struct stat file {};
    if (::stat(target.c_str(), &file) != 0 || !S_ISREG(file.st_mode)) return;
    const bool noWriteBits = (file.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    const bool notForUs = ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
    if (noWriteBits || notForUs) {
        const std::string reason = noWriteBits ? "доступен только для чтения" : SystemReason(EACCES);
        throw DataFileError(path, reason + ", " + std::string(notWritten));
    }
}

mode_t ModeToKeep(const std::string& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) return old.st_mode & 07777;
    return 0644;
}

// Makes the rename survive a power cut. The new name is already in place, so
// a folder that cannot be synced (some file systems refuse) is not a failure
// of the save: at worst a power cut brings the complete old file back.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Writes all of `bytes` at `offset`; false with errno set on failure.
bool WriteAllAt(int fd, std::string_view bytes, off_t offset) {
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

bool ReadAll(int fd, std::string& bytes) {
    char buffer[1 << 16];
    for (off_t offset = 0;;) {
        const ssize_t got = ::pread(fd, buffer, sizeof buffer, offset);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (got == 0) return true;
        bytes.append(buffer, static_cast<std::size_t>(got));
        offset += got;
    }
}

// Owns the temporary file until it has been renamed into place. Errors name
// `path`, the file the user knows.
class TemporaryFile {
public:
    TemporaryFile(const std::string& path, const std::string& target) : m_path(path), m_target(target) {
        const std::string pattern = target + ".XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        m_fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (m_fd >= 0) m_name = name.data();
    }

    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    ~TemporaryFile() {
        if (m_fd >= 0) ::close(m_fd);
        if (!m_name.empty()) ::unlink(m_name.c_str());
    }

    bool created() const { return m_fd >= 0; }

    void setMode(mode_t mode) {
        if (::fchmod(m_fd, mode) != 0) Fail(m_path, "не удалось задать права временного файла", errno);
    }

    void write(std::string_view bytes) {
        if (!WriteAllAt(m_fd, bytes, 0)) Fail(m_path, "не удалось записать", errno);
    }

    void flushAndClose() {
        if (::fsync(m_fd) != 0) Fail(m_path, "не удалось записать на диск", errno);
        const int fd = m_fd;
        m_fd = -1;
        // close() can be the first to report a failed write on network file systems.
        if (::close(fd) != 0) Fail(m_path, "не удалось записать", errno);
    }

    void renameOverTarget() {
        if (::rename(m_name.c_str(), m_target.c_str()) != 0) Fail(m_path, "не удалось заменить", errno);
        m_name.clear();
    }

private:
    const std::string& m_path;
    const std::string& m_target;
    std::string m_name;
    int m_fd = -1;
};

// The fallback for a folder that takes no new file: the file itself is
// overwritten, flushed and its size checked. Should any step fail, the old
// bytes go back, so the file still holds the complete old content.
void RewriteInPlace(const std::string& path, const std::string& target, std::string_view bytes) {
    const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) Fail(path, "не удалось записать ни рядом с ним, ни в него самого", errno);
    std::string old;
    if (!ReadAll(fd, old)) {
        const int error = errno;
        ::close(fd);
        Fail(path, "не удалось прочитать перед записью", error);
    }
    const auto size = static_cast<off_t>(bytes.size());
    struct stat written {};
    bool ok = WriteAllAt(fd, bytes, 0) && ::ftruncate(fd, size) == 0 && ::fsync(fd) == 0 &&
              ::fstat(fd, &written) == 0;
    int error = errno;
    if (ok && written.st_size != size) {
        ok = false;
        error = EIO;
    }
    if (ok) {
        // close() can be the first to report a failed write on network file systems.
        if (::close(fd) != 0) Fail(path, "не удалось записать", errno);
        return;
    }
    const bool restored = WriteAllAt(fd, old, 0) && ::ftruncate(fd, static_cast<off_t>(old.size())) == 0 &&
                          ::fsync(fd) == 0;
    ::close(fd);
    Fail(path, restored ? "не удалось записать, прежнее содержимое сохранено"
                        : "не удалось записать, и прежнее содержимое вернуть не удалось",
         error);
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes, std::string_view notWritten) {
    const std::string target = LinkTarget(path);
    RefuseReadOnly(path, target, notWritten);
    TemporaryFile file(path, target);
    if (!file.created()) {
        RewriteInPlace(path, target, bytes);
        return;
    }
    file.setMode(ModeToKeep(target));
    file.write(bytes);
    file.flushAndClose();
    file.renameOverTarget();
    SyncFolder(FolderOf(target));
}

}  // namespace torvel
