#include "history/FileLock.h"

#include "base/FileNames.h"
#include "copy/SystemError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace stowly {

FileLock::FileLock(const QString& path) {
    const QByteArray name = fileNames::encode(path);
    // A failure may pass (an interrupted call, a disk that stumbled once): tried a few times.
    for (int attempt = 0; attempt < 3 && m_fd < 0; ++attempt) {
        m_fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        m_error = m_fd < 0 ? errno : 0;
    }
    if (m_fd < 0)
        return;
    int locked;
    while ((locked = ::flock(m_fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    m_error = locked == 0 ? 0 : errno;
}

QString FileLock::errorText() const {
    return systemErrorText(m_error);
}

FileLock::~FileLock() {
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace stowly
