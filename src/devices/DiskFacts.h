#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace stowly {

// What the disk tool says about one volume or device.
struct DiskFacts {
    // "disk4s1" from a property list, the kernel name ("sdb1", "loop0") on Linux.
    QString deviceIdentifier;
    std::optional<QString> parentWholeDisk;
    std::optional<QString> mountPoint;
    std::optional<QString> volumeName;
    std::optional<QString> filesystemType;
    std::optional<QString> filesystemName;
    bool isInternal = false;
    // Part of the computer's own system: the disk holds the system, its boot files, the home
    // folders or swap.
    bool isOSInternal = false;
    bool isRemovable = false;
    bool isEjectable = false;
    bool isRemovableOrExternal = false;

    // Facts the Linux disk tool adds; a property list leaves them empty.
    // The device type as lsblk names it: "part", "loop", "disk", "lvm", "crypt", "raid1"…
    std::optional<QString> deviceKind;
    // Every whole disk the device lives on (more than one for a volume spanning disks).
    QStringList wholeDisks;
    // Every place the device is mounted (mountPoint is the first).
    QStringList mountPoints;
    // Devices built on top of this one (LVM volumes, RAID arrays, encrypted mappings).
    QStringList stackedDevices;
    std::optional<QString> volumeUUID;
    std::optional<qint64> size;
    // Where two sources of these facts disagree on what the device is, how; none when they
    // agree or only one was asked.
    std::optional<QString> disagreement;

    // Parses the answer of "diskutil info -plist": none when it does not parse, the root is
    // not a dictionary, or "DeviceIdentifier" is missing, not text or empty.
    static std::optional<DiskFacts> fromPlist(const QByteArray& plist);

    // A partition of a whole disk, or a disk image; never a whole physical disk, nor a
    // volume that anything else is built on.
    bool isPartitionOrImage() const;
    // Both live on one whole disk (or are the same device).
    bool sharesDiskWith(const DiskFacts& other) const;
    // The device's node, "/dev/sdb1".
    QString devicePath() const { return QStringLiteral("/dev/") + deviceIdentifier; }

    friend bool operator==(const DiskFacts&, const DiskFacts&) = default;
};

} // namespace stowly
