#include "devices/linux/LinuxMountEvents.h"

#include "devices/linux/UdisksClient.h"
#include "devices/linux/UdisksMountEvents.h"

#include <QFile>
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

namespace stowly {

std::unique_ptr<MountEvents> MountEvents::platform(QObject* parent) {
    if (UdisksClient::servesThisProcess())
        return std::make_unique<UdisksMountEvents>(QDBusConnection::systemBus(), ::getuid(),
                                                   MountTable::standardPath(), parent);
    return std::make_unique<LinuxMountEvents>(MountTable::standardPath(), parent);
}

LinuxMountEvents::LinuxMountEvents(QString mountInfoPath, QObject* parent)
    : MountEvents(parent), m_path(std::move(mountInfoPath)) {}

LinuxMountEvents::~LinuxMountEvents() {
    if (m_fd >= 0)
        ::close(m_fd);
}

bool LinuxMountEvents::start() {
    if (m_started)
        return m_fd >= 0;
    m_started = true;
    m_last = snapshot().value_or(Snapshot{});
    m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
        return false;
    // The kernel reports a changed mount table as an exceptional condition on the open file.
    auto* notifier = new QSocketNotifier(m_fd, QSocketNotifier::Exception, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        // Reading to the end re-arms the notification.
        char buffer[4096];
        ::lseek(m_fd, 0, SEEK_SET);
        while (::read(m_fd, buffer, sizeof buffer) > 0) {
        }
        checkNow();
    });
    return true;
}

std::optional<LinuxMountEvents::Snapshot> LinuxMountEvents::snapshot() const {
    Snapshot result;
    const std::optional<QList<MountEntry>> table = MountTable::read(m_path);
    if (!table)
        return std::nullopt;
    for (const MountEntry& entry : *table) {
        result.all.append(entry.id);
        if (entry.isHidden())
            continue;
        auto& visible = result.visible;
        const auto existing = std::find_if(visible.begin(), visible.end(), [&](const auto& p) {
            return p.first == entry.mountPoint;
        });
        // A later entry at the same place is mounted on top and hides the earlier one.
        if (existing != visible.end())
            existing->second = entry.id;
        else
            visible.append({entry.mountPoint, entry.id});
    }
    return result;
}

void LinuxMountEvents::checkNow() {
    const std::optional<Snapshot> read = snapshot();
    if (!read || *read == m_last)
        return;
    const Snapshot& now = *read;
    const Snapshot before = std::exchange(m_last, now);
    auto idIn = [](const Snapshot& s, const QString& path) -> int {
        for (const auto& [p, id] : s.visible)
            if (p == path)
                return id;
        return -1;
    };
    // Gone, or replaced by another mount at the same place.
    for (const auto& [path, id] : before.visible)
        if (idIn(now, path) != id)
            Q_EMIT volumeUnmounted(path);
    for (const auto& [path, id] : now.visible)
        if (idIn(before, path) != id)
            Q_EMIT volumeMounted(path);
    Q_EMIT mountsChanged();
}

} // namespace stowly
