#pragma once

#include <QtGlobal>

#include <cerrno>
#include <optional>

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace stowly {

// Which file a name or descriptor stands for; compared to tell our own files from files that
// took their place.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;

    static std::optional<FileIdentity> of(const struct stat& info) {
        return FileIdentity{info.st_dev, info.st_ino};
    }
    static std::optional<FileIdentity> of(int fd) {
        struct stat info;
        if (::fstat(fd, &info) != 0)
            return std::nullopt;
        return of(info);
    }

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// Owns one open descriptor. Closing through close() reports the result; the destructor
// ignores it, for paths that are failing anyway.
class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(FileDescriptor&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) {
            reset(other.m_fd);
            other.m_fd = -1;
        }
        return *this;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    void reset(int fd = -1) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }
    // 0, or -1 with errno set. The descriptor is gone either way: retrying a failed close could
    // close a descriptor that another thread has been given meanwhile.
    int close() {
        const int fd = m_fd;
        m_fd = -1;
        return fd >= 0 ? ::close(fd) : 0;
    }

private:
    int m_fd = -1;
};

// Writes all of `data` to `fd`, going on after short writes and interruptions. On failure
// `error` holds the errno (EIO for a write that wrote nothing).
inline bool writeAll(int fd, const char* data, qsizetype size, int* error) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n > 0) {
            data += n;
            size -= n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        *error = n < 0 ? errno : EIO;
        return false;
    }
    return true;
}

} // namespace stowly
