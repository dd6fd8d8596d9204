#include "devices/linux/UdevDaemon.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace stowly {
namespace {

bool daemonInProcessTable(const QString& processes) {
    const QDir proc(processes);
    for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isProcess = false;
        entry.toUInt(&isProcess);
        if (!isProcess)
            continue;
        QFile comm(proc.filePath(entry) + QStringLiteral("/comm"));
        if (!comm.open(QIODevice::ReadOnly))
            continue;
        const QByteArray name = comm.readAll().trimmed();
        if (name == "systemd-udevd" || name == "udevd")
            return true;
    }
    return false;
}

} // namespace

bool udevDaemon::isRunning(const LinuxPaths& paths) {
    const QByteArray path = QFile::encodeName(paths.udevControl);
    sockaddr_un address{};
    if (path.isEmpty() || size_t(path.size()) >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    // A socket file nobody listens on refuses at once; udev accepts without a word.
    const bool running =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    const int error = errno;
    ::close(fd);
    if (running)
        return true;
    // The socket is udev's own (root's): an ordinary user may not knock, on a desktop too.
    return (error == EACCES || error == EPERM) && daemonInProcessTable(paths.processes);
}

} // namespace stowly
