#pragma once

#include "devices/DiskFacts.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

namespace stowly {

// One block device as udisks2 describes it.
struct UdisksBlock {
    QString objectPath;
    QString device; // "/dev/sdb1"
    quint64 deviceNumber = 0;
    // Object path of the drive it lives on; "/" for none (loop devices, mappings).
    QString drive = QStringLiteral("/");
    // The encrypted device this one unlocks; "/" for none.
    QString cryptoBackingDevice = QStringLiteral("/");
    bool hintSystem = false;
    bool hintIgnore = false;
    bool hintAuto = false;
    bool readOnly = false;
    qint64 size = 0;
    QString idUsage, idType, idVersion, idLabel, idUUID;
    bool hasFileSystem = false;
    QStringList mountPoints;
    bool isLoop = false;
    std::optional<uint> loopSetupBy;
    bool isPartition = false;
    // The block holding the partition table, for a partition.
    QString partitionTable = QStringLiteral("/");
};

// One drive (the hardware a block device belongs to).
struct UdisksDrive {
    QString objectPath;
    bool removable = false;
    bool mediaRemovable = false;
    bool ejectable = false;
    bool canPowerOff = false;
    QString connectionBus; // "usb", "sdio", "ieee1394", or empty
};

// What udisks2's object manager reports: the block devices and drives it manages.
class UdisksObjects {
public:
    using Interfaces = QMap<QString, QVariantMap>;
    using Managed = QMap<QString, Interfaces>; // object path → interface → properties

    static constexpr auto blockInterface = "org.freedesktop.UDisks2.Block";
    static constexpr auto fileSystemInterface = "org.freedesktop.UDisks2.Filesystem";
    static constexpr auto loopInterface = "org.freedesktop.UDisks2.Loop";
    static constexpr auto partitionInterface = "org.freedesktop.UDisks2.Partition";
    static constexpr auto driveInterface = "org.freedesktop.UDisks2.Drive";

    static UdisksObjects from(const Managed& managed);
    // One block from its interfaces (as a signal that adds interfaces carries them).
    static UdisksBlock block(const QString& objectPath, const Interfaces& interfaces);

    const QList<UdisksBlock>& blocks() const { return m_blocks; }
    // The block of a device node ("/dev/sdb1"; links such as /dev/disk/… resolved first).
    const UdisksBlock* blockForDevice(const QString& device) const;
    const UdisksBlock* blockMountedAt(const QString& mountPoint) const;
    const UdisksDrive* drive(const QString& objectPath) const;
    // The whole-disk block of the drive a block lives on (itself for a whole disk or a loop).
    const UdisksBlock* wholeDisk(const UdisksBlock& block) const;

    // File systems on removable media or the user's own disk images that nothing has mounted:
    // cards a station without an automounter has not taken in.
    QList<UdisksBlock> unmountedCards(uint callerUid) const;

    // Checks lsblk's facts of a device against this description and lets udisks2's stricter
    // answers count: a device it calls the system's own is part of the computer. Where the two
    // disagree on what the device is, facts.disagreement says how.
    void crossCheck(DiskFacts& facts, uint callerUid) const;

private:
    bool isCardLike(const UdisksBlock& block, uint callerUid) const;

    QList<UdisksBlock> m_blocks;
    QList<UdisksDrive> m_drives;
};

} // namespace stowly
