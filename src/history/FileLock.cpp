#include "history/FileLock.h"

#include "base/FileNames.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace stowly {

FileLock::FileLock(const QString& path) {
    m_fd = ::open(fileNames::encode(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (m_fd >= 0)
        while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
        }
}

FileLock::~FileLock() {
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace stowly
