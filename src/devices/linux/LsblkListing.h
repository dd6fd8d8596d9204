#pragma once

#include "devices/DiskFacts.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>

#include <optional>

namespace stowly {

// One block device as lsblk lists it.
struct BlockNode {
    QString kernelName; // "sdb1", "dm-0"
    QString name;       // "sdb1", "vg-root"
    QString type;       // "disk", "part", "loop", "lvm", "crypt", "raid1", "rom"…
    std::optional<qint64> size;
    bool removable = false;
    bool hotplug = false;
    std::optional<QString> transport; // "usb", "sata", "nvme", "mmc"…
    QStringList mountPoints;
    bool isSwap = false;
    std::optional<QString> label;
    std::optional<QString> fsType;
    std::optional<QString> fsVersion;
    std::optional<QString> uuid;
    QStringList parents;
    QStringList children;
};

// The whole block-device tree from "lsblk --json", and the disk facts read from it.
class LsblkListing {
public:
    static QStringList arguments();
    // None when the text is not lsblk's JSON.
    static std::optional<LsblkListing> parse(const QByteArray& json);

    const BlockNode* node(const QString& kernelName) const;
    // A device by its kernel name or its own name ("/dev/" prefix allowed).
    const BlockNode* device(const QString& name) const;
    // The device mounted at path (exactly).
    const BlockNode* mountedAt(const QString& path) const;

    // The whole disks beneath a device; the device itself when it has no parent.
    QStringList wholeDisks(const QString& kernelName) const;
    // Every device living on any of these disks, those furthest from the disk first (the
    // order to unmount in).
    QList<const BlockNode*> devicesOn(const QStringList& disks) const;
    // Whether any device on these disks holds the system: "/", "/boot", "/home"… or swap.
    bool holdsSystem(const QStringList& disks) const;

    DiskFacts facts(const QString& kernelName) const;
    // "exFAT", "FAT32", "NTFS"…: the file system's display name, none when unknown.
    static std::optional<QString> fileSystemName(const std::optional<QString>& type,
                                                 const std::optional<QString>& version);

private:
    void add(const BlockNode& node, const QString& parent);
    int depth(const QString& kernelName, int guard = 0) const;

    QHash<QString, BlockNode> m_nodes;
    QStringList m_order;
};

} // namespace stowly
