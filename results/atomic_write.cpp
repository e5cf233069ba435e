// Replacing a file's content so that a crash leaves either the old or the new.
#include "results/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
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

// Owns the temporary file until it has been renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target) : m_target(target) {
        const std::string pattern = target + ".XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        m_fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (m_fd < 0) fail("не удалось создать временный файл рядом с ним");
        m_name = name.data();
    }

    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    ~TemporaryFile() {
        if (m_fd >= 0) ::close(m_fd);
        if (!m_name.empty()) ::unlink(m_name.c_str());
    }

    void setMode(mode_t mode) {
        if (::fchmod(m_fd, mode) != 0) fail("не удалось задать права временного файла");
    }

    void write(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
            if (written < 0) {
                if (errno == EINTR) continue;
                fail("не удалось записать");
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
    }

    void flushAndClose() {
        if (::fsync(m_fd) != 0) fail("не удалось записать на диск");
        const int fd = m_fd;
        m_fd = -1;
        // close() can be the first to report a failed write on network file systems.
        if (::close(fd) != 0) fail("не удалось записать");
    }

    void renameOverTarget() {
        if (::rename(m_name.c_str(), m_target.c_str()) != 0) fail("не удалось заменить");
        m_name.clear();
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw DataFileError(m_target, what + ": " + SystemReason(errno));
    }

    const std::string& m_target;
    std::string m_name;
    int m_fd = -1;
};

mode_t ModeToKeep(const std::string& path) {
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) return old.st_mode & 07777;
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

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    TemporaryFile file(path);
    file.setMode(ModeToKeep(path));
    file.write(bytes);
    file.flushAndClose();
    file.renameOverTarget();
    SyncFolder(FolderOf(path));
}

}  // namespace torvel
