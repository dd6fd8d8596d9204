#pragma once

#include <QString>

namespace stowly {

// An advisory lock on a file for as long as the object lives (flock, so it goes with the
// process). Whoever writes must check held(): work done unlocked beside another process's fold
// loses or doubles records.
class FileLock {
public:
    explicit FileLock(const QString& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool held() const { return m_error == 0; }
    // Why the lock could not be taken.
    QString errorText() const;

private:
    int m_fd = -1;
    int m_error = 0;
};

} // namespace stowly
