#include "devices/linux/UdisksMountEvents.h"

#include "base/Background.h"
#include "devices/linux/LinuxMountEvents.h"
#include "devices/linux/MountTable.h"
#include "devices/linux/UdisksClient.h"

#include <QDBusMessage>
#include <QFileInfo>

#include <sys/sysmacros.h>

namespace stowly {
namespace {

constexpr auto root = "/org/freedesktop/UDisks2";
constexpr auto jobInterface = "org.freedesktop.UDisks2.Job";

quint64 deviceNumber(const MountEntry& entry) {
    // Parenthesised: <sys/sysmacros.h> defines major() as a macro.
    return makedev(unsigned((entry.major)()), entry.majorMinor.section(u':', 1, 1).toUInt());
}

const UdisksBlock* blockAt(const UdisksObjects& objects, const QString& objectPath) {
    for (const UdisksBlock& b : objects.blocks())
        if (b.objectPath == objectPath)
            return &b;
    return nullptr;
}

bool isMountedAt(const UdisksObjects& objects, const QString& objectPath,
                 const QString& mountPoint) {
    const UdisksBlock* b = blockAt(objects, objectPath);
    return b && b->mountPoints.contains(mountPoint);
}

// Mount points of before's blocks that after's same blocks no longer have.
QStringList mountsGone(const UdisksObjects& before, const UdisksObjects& after) {
    QStringList gone;
    for (const UdisksBlock& b : before.blocks())
        for (const QString& mountPoint : b.mountPoints)
            if (!isMountedAt(after, b.objectPath, mountPoint))
                gone.append(mountPoint);
    return gone;
}

} // namespace

UdisksMountEvents::UdisksMountEvents(QDBusConnection connection, uint callerUid,
                                     QString mountInfoPath, QObject* parent)
    : MountEvents(parent), m_connection(std::move(connection)), m_uid(callerUid),
      m_mountInfoPath(std::move(mountInfoPath)),
      m_table(std::make_unique<LinuxMountEvents>(m_mountInfoPath)) {}

UdisksMountEvents::~UdisksMountEvents() = default;

UdisksMountEvents::Changes UdisksMountEvents::compare(const UdisksObjects& before,
                                                      const UdisksObjects& after, uint callerUid) {
    Changes changes;
    changes.unmounted = mountsGone(before, after);
    changes.mounted = mountsGone(after, before);
    const QList<UdisksBlock> wereCards = before.unmountedCards(callerUid);
    for (const UdisksBlock& card : after.unmountedCards(callerUid)) {
        const bool wasCard = std::any_of(wereCards.begin(), wereCards.end(), [&](const auto& b) {
            return b.objectPath == card.objectPath;
        });
        const UdisksBlock* earlier = blockAt(before, card.objectPath);
        if (wasCard || (earlier && !earlier->mountPoints.isEmpty()))
            continue;
        const QString name =
            card.idLabel.isEmpty() ? QFileInfo(card.device).fileName() : card.idLabel;
        changes.appeared.append({card.device, name, card.idType, card.size});
    }
    return changes;
}

bool UdisksMountEvents::start() {
    if (m_started)
        return m_answering || m_table->isStarted();
    m_started = true;
    const QString service = QString::fromLatin1(UdisksClient::service);
    const auto subscribe = [&](const QString& path, const char* interface, const char* name) {
        m_connection.connect(service, path, QString::fromLatin1(interface),
                             QString::fromLatin1(name), this, SLOT(udisksChanged(QDBusMessage)));
    };
    // Subscribed before the first reading, so no change falls between the two.
    subscribe(QString::fromLatin1(root), "org.freedesktop.DBus.ObjectManager", "InterfacesAdded");
    subscribe(QString::fromLatin1(root), "org.freedesktop.DBus.ObjectManager", "InterfacesRemoved");
    // Every object's, the file systems' mount points among them.
    subscribe(QString(), "org.freedesktop.DBus.Properties", "PropertiesChanged");

    connect(m_table.get(), &MountEvents::volumeMounted, this, &UdisksMountEvents::tableMounted);
    connect(m_table.get(), &MountEvents::volumeUnmounted, this, &UdisksMountEvents::tableUnmounted);
    connect(m_table.get(), &MountEvents::mountsChanged, this, [this] {
        readMountTable();
        Q_EMIT mountsChanged();
    });
    readMountTable();
    const bool tableWatched = m_table->start();
    apply(UdisksClient(m_connection, false).objects());
    return m_answering || tableWatched;
}

void UdisksMountEvents::udisksChanged(const QDBusMessage& message) {
    // A job's progress says nothing about mounts or cards.
    if (message.member() == u"PropertiesChanged" && !message.arguments().isEmpty() &&
        message.arguments().first().toString() == QLatin1StringView(jobInterface))
        return;
    refresh();
}

void UdisksMountEvents::refresh() {
    if (m_reading) {
        m_readAgain = true;
        return;
    }
    m_reading = true;
    background::run(
        this, [connection = m_connection] { return UdisksClient(connection, false).objects(); },
        [this](const std::optional<UdisksObjects>& objects) {
            m_reading = false;
            apply(objects);
            if (std::exchange(m_readAgain, false))
                refresh();
        });
}

void UdisksMountEvents::apply(const std::optional<UdisksObjects>& objects) {
    m_answering = objects.has_value();
    if (!objects)
        return;
    Changes changes = compare(m_objects, *objects, m_uid);
    // The first reading is the starting point: what is mounted then was mounted before.
    if (!std::exchange(m_hasReading, true))
        changes.mounted.clear();
    m_objects = *objects;
    m_knownDevices.clear();
    for (const UdisksBlock& b : m_objects.blocks())
        m_knownDevices.insert(b.deviceNumber);

    for (const QString& path : changes.unmounted)
        Q_EMIT volumeUnmounted(path);
    for (const QString& path : changes.mounted)
        Q_EMIT volumeMounted(path);

    QSet<QString> cards;
    for (const UdisksBlock& b : m_objects.unmountedCards(m_uid))
        cards.insert(b.device);
    for (const QString& device : QSet(m_reportedCards))
        if (!cards.contains(device)) {
            m_reportedCards.remove(device);
            Q_EMIT cardFileSystemGone(device);
        }
    for (const DiskTool::UnmountedCard& card : changes.appeared) {
        // udisks2 does not see a FUSE mount; the mount table does.
        if (m_mountSources.contains(card.device) || m_reportedCards.contains(card.device))
            continue;
        m_reportedCards.insert(card.device);
        Q_EMIT cardFileSystemAppeared(card.device, card.name);
    }
}

void UdisksMountEvents::readMountTable() {
    const std::optional<QList<MountEntry>> table = MountTable::read(m_mountInfoPath);
    if (!table)
        return;
    m_mountedDevices.clear();
    m_mountSources.clear();
    for (const MountEntry& entry : *table) {
        // Of stacked mounts, the topmost (listed last) is the one seen at the mount point.
        m_mountedDevices.insert(entry.mountPoint, deviceNumber(entry));
        m_mountSources.insert(entry.source);
    }
}

bool UdisksMountEvents::kernelReportCounts(quint64 deviceNumber) const {
    return !m_answering || !m_knownDevices.contains(deviceNumber);
}

void UdisksMountEvents::tableMounted(const QString& path) {
    readMountTable();
    const auto device = m_mountedDevices.constFind(path);
    if (device == m_mountedDevices.cend() || kernelReportCounts(*device))
        Q_EMIT volumeMounted(path);
}

void UdisksMountEvents::tableUnmounted(const QString& path) {
    // The device is the one the last reading had there; the table no longer has it.
    const auto device = m_mountedDevices.constFind(path);
    if (device == m_mountedDevices.cend() || kernelReportCounts(*device))
        Q_EMIT volumeUnmounted(path);
}

} // namespace stowly
