#pragma once

#include "devices/DiskTool.h"
#include "devices/MountEvents.h"
#include "devices/linux/UdisksObjects.h"

#include <QDBusConnection>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <memory>

class QDBusMessage;

namespace stowly {

class LinuxMountEvents;

// Mount events as udisks2 reports them, and the cards it sees that nothing has mounted.
// udisks2's signals only say that something changed; its objects are then read again (off the
// main thread) and compared with the last reading. Mounts udisks2 cannot see (FUSE mounts of a
// card's file system) come from the kernel's mount table, which also gives mountsChanged.
class UdisksMountEvents : public MountEvents {
    Q_OBJECT
public:
    // callerUid decides which loop devices count as the user's own images.
    UdisksMountEvents(QDBusConnection connection, uint callerUid, QString mountInfoPath,
                      QObject* parent = nullptr);
    ~UdisksMountEvents() override;

    // False when neither udisks2 nor the mount table can be watched.
    bool start() override;
    bool isStarted() const override { return m_started; }

    // What differs between two readings of udisks2's objects.
    struct Changes {
        QStringList unmounted; // mount points, in the order of the earlier reading
        QStringList mounted;
        // Cards that are new to the later reading and unmounted there; one that was mounted
        // before and has just been unmounted did not appear.
        QList<DiskTool::UnmountedCard> appeared;
    };
    static Changes compare(const UdisksObjects& before, const UdisksObjects& after, uint callerUid);

private Q_SLOTS:
    void udisksChanged(const QDBusMessage& message);

private:
    void refresh();
    void apply(const std::optional<UdisksObjects>& objects);
    void readMountTable();
    // Whether the kernel's report of a mount of this device is needed: udisks2 reports the
    // mounts of the devices it knows itself.
    bool kernelReportCounts(quint64 deviceNumber) const;
    void tableMounted(const QString& path);
    void tableUnmounted(const QString& path);

    QDBusConnection m_connection;
    uint m_uid;
    QString m_mountInfoPath;
    std::unique_ptr<LinuxMountEvents> m_table;
    bool m_started = false;
    // Whether the last reading of udisks2 succeeded; while it does not answer, every mount the
    // kernel reports is passed on.
    bool m_answering = false;
    bool m_hasReading = false;
    bool m_reading = false;
    bool m_readAgain = false;
    UdisksObjects m_objects;
    QSet<quint64> m_knownDevices;
    // Mount point → device number, and the devices mounted anywhere, as the table last said.
    QHash<QString, quint64> m_mountedDevices;
    QSet<QString> m_mountSources;
    // Cards reported as appeared and not yet as gone.
    QSet<QString> m_reportedCards;
};

} // namespace stowly
