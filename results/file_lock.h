// The lock that copies of the game take on a file while they save it.
#pragma once

#include <chrono>
#include <string>

#include "common/data_file_error.h"

namespace torvel {

// The lock could not be had in time: another copy of the game holds it.
class FileBusyError : public DataFileError {
public:
    using DataFileError::DataFileError;
};

// An exclusive lock between processes, held by `flock` on "<file>.lock"
// beside the file that `path` leads to. The system releases a flock when its
// process ends, however it ends, so a crash leaves at most a lock file that
// nobody holds, and the next copy to lock takes it over. The holder removes
// the lock file before releasing it; whoever locked a file that is gone from
// its name meanwhile tries again, so that two copies never hold different
// files.
//
// Where no lock file can be made (a read-only folder, or a link or a folder in
// its place), the file itself is locked: in a read-only folder a save rewrites
// the file in place, so it stays the same file, and elsewhere the save fails
// and says why. A file system without locks (some network mounts) is saved
// unlocked rather than not at all.
class FileLock {
public:
    // Waits up to `wait` for the lock. Throws FileBusyError naming `path` when
    // it is still held by then, DataFileError when locking fails otherwise.
    FileLock(const std::string& path, std::chrono::milliseconds wait);
    ~FileLock();

    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    // Locks the file at m_lockPath (or the file itself); false while another
    // process holds it.
    bool tryLock(const std::string& target);

    std::string m_lockPath;  // empty when the file itself is locked
    int m_fd = -1;
};

}  // namespace torvel
