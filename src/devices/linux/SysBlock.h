#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace stowly {

// What sysfs tells about the hardware beneath one block device.
struct PhysicalDisk {
    enum class Bus { unknown, usb, mmc, firewire, thunderbolt, virtualDevice, internal };

    QString name; // the whole disk's kernel name
    Bus bus = Bus::unknown;
    // The medium can be taken out (the disk's "removable" attribute, or an SD card).
    bool removable = false;
    // The device can be unplugged while running (a parent device says "removable").
    bool hotplug = false;
    bool isLoop = false;
    // An eMMC chip soldered in place rather than an SD card, for "mmc" disks.
    bool isEmbeddedMmc = false;

    friend bool operator==(const PhysicalDisk&, const PhysicalDisk&) = default;
};

// Reads /sys/class/block (or a tree laid out like it).
class SysBlock {
public:
    explicit SysBlock(QString sysClassBlock);

    // The kernel name of the block device with that "major:minor"; none when there is none.
    std::optional<QString> nameForMajorMinor(const QString& majorMinor) const;
    // The whole disks a device lives on, through partitions and the devices it is built on
    // (device-mapper, RAID). Empty when the device is unknown.
    QList<PhysicalDisk> physicalDisks(const QString& name) const;

private:
    QString deviceFolder(const QString& name) const;
    PhysicalDisk describeDisk(const QString& diskFolder) const;
    void collect(const QString& name, QList<PhysicalDisk>& into, int depth) const;

    QString m_root;    // …/class/block
    QString m_sysRoot; // the sysfs root the tree lives in, where walking up stops
};

} // namespace stowly
