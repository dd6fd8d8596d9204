#pragma once

#include <QString>

namespace stowly {

// An advisory lock on a file for as long as the object lives (flock, so it goes with the
// process). Without the lock file (a folder that cannot be written) the work goes on unlocked
// and its own errors tell.
class FileLock {
public:
    explicit FileLock(const QString& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int m_fd = -1;
};

} // namespace stowly
