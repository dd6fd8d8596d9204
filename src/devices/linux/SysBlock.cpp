#include "devices/linux/SysBlock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace stowly {
namespace {

QString readAttribute(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(4096)).trimmed();
}

PhysicalDisk::Bus busOf(const QString& canonicalPath) {
    static const QRegularExpression usb(QStringLiteral("^usb[0-9]+$"));
    static const QRegularExpression mmc(QStringLiteral("^mmc[0-9]+$"));
    static const QRegularExpression ata(QStringLiteral("^ata[0-9]+$"));
    PhysicalDisk::Bus bus = PhysicalDisk::Bus::unknown;
    for (const QString& part : canonicalPath.split(u'/', Qt::SkipEmptyParts)) {
        if (usb.match(part).hasMatch())
            return PhysicalDisk::Bus::usb;
        if (part == u"mmc_host" || mmc.match(part).hasMatch())
            bus = PhysicalDisk::Bus::mmc;
        else if (part == u"firewire" || part.startsWith(QStringLiteral("fw")))
            return PhysicalDisk::Bus::firewire;
        else if (part == u"thunderbolt")
            return PhysicalDisk::Bus::thunderbolt;
        else if (part == u"virtual")
            return PhysicalDisk::Bus::virtualDevice;
        else if (bus == PhysicalDisk::Bus::unknown &&
                 (part == u"nvme" || ata.match(part).hasMatch() || part.startsWith(u"virtio")))
            bus = PhysicalDisk::Bus::internal;
    }
    return bus;
}

} // namespace

SysBlock::SysBlock(QString sysClassBlock) : m_root(std::move(sysClassBlock)) {
    const QString canonical = QFileInfo(m_root).canonicalFilePath();
    m_sysRoot =
        QDir::cleanPath((canonical.isEmpty() ? m_root : canonical) + QStringLiteral("/../.."));
}

std::optional<QString> SysBlock::nameForMajorMinor(const QString& majorMinor) const {
    if (majorMinor.isEmpty() || majorMinor.startsWith(QStringLiteral("0:")))
        return std::nullopt;
    const QStringList names =
        QDir(m_root).entryList(QDir::Dirs | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& name : names)
        if (readAttribute(m_root + u'/' + name + QStringLiteral("/dev")) == majorMinor)
            return name;
    return std::nullopt;
}

QString SysBlock::deviceFolder(const QString& name) const {
    if (name.isEmpty() || name.contains(u'/') || name.startsWith(u'.'))
        return {};
    return QFileInfo(m_root + u'/' + name).canonicalFilePath();
}

QList<PhysicalDisk> SysBlock::physicalDisks(const QString& name) const {
    QList<PhysicalDisk> disks;
    collect(name, disks, 0);
    return disks;
}

void SysBlock::collect(const QString& name, QList<PhysicalDisk>& into, int depth) const {
    // Stacks of mappings are shallow; a loop in a broken tree must not recurse forever.
    if (depth > 16)
        return;
    const QString folder = deviceFolder(name);
    if (folder.isEmpty())
        return;
    const QStringList slaves =
        QDir(folder + QStringLiteral("/slaves"))
            .entryList(QDir::Dirs | QDir::Files | QDir::System | QDir::NoDotAndDotDot);
    if (!slaves.isEmpty()) {
        for (const QString& slave : slaves)
            collect(slave, into, depth + 1);
        return;
    }
    const QString disk = QFileInfo::exists(folder + QStringLiteral("/partition"))
                             ? QFileInfo(folder).absolutePath()
                             : folder;
    const PhysicalDisk described = describeDisk(disk);
    // A partition whose disk is itself built on other devices (a partitioned RAID array).
    if (disk != folder &&
        !QDir(disk + QStringLiteral("/slaves"))
             .entryList(QDir::Dirs | QDir::Files | QDir::System | QDir::NoDotAndDotDot)
             .isEmpty()) {
        collect(described.name, into, depth + 1);
        return;
    }
    if (!into.contains(described))
        into.append(described);
}

PhysicalDisk SysBlock::describeDisk(const QString& diskFolder) const {
    PhysicalDisk disk;
    disk.name = QFileInfo(diskFolder).fileName();
    disk.isLoop = QFileInfo::exists(diskFolder + QStringLiteral("/loop")) ||
                  disk.name.startsWith(QStringLiteral("loop"));
    disk.bus = disk.isLoop ? PhysicalDisk::Bus::virtualDevice : busOf(diskFolder);
    disk.removable = readAttribute(diskFolder + QStringLiteral("/removable")) == u"1";
    if (disk.bus == PhysicalDisk::Bus::mmc) {
        // An SD card is a removable medium; an eMMC chip is the computer's own storage.
        const QString type = readAttribute(diskFolder + QStringLiteral("/device/type"));
        disk.isEmbeddedMmc = type == u"MMC";
        if (type == u"SD")
            disk.removable = true;
    }
    // Walk up the device folders: a parent that says "removable" can be unplugged.
    for (QString dir = QFileInfo(diskFolder).absolutePath();
         dir.startsWith(m_sysRoot + u'/') && dir.size() > m_sysRoot.size();
         dir = QFileInfo(dir).absolutePath()) {
        if (readAttribute(dir + QStringLiteral("/removable")) == u"removable") {
            disk.hotplug = true;
            break;
        }
    }
    return disk;
}

} // namespace stowly
