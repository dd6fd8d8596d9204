#include "devices/linux/LinuxVolumeFacts.h"

#include "devices/ProcessRunner.h"
#include "devices/linux/BlockProbe.h"
#include "devices/linux/SysBlock.h"
#include "devices/linux/UdevDaemon.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace stowly {

const VolumeFacts& VolumeFacts::platform() {
    static const LinuxVolumeFacts facts(LinuxPaths{}, std::make_shared<ProcessRunner>());
    return facts;
}

LinuxVolumeFacts::LinuxVolumeFacts(LinuxPaths paths, std::shared_ptr<CommandRunning> runner)
    : m_paths(std::move(paths)), m_runner(std::move(runner)) {}

QStringList LinuxVolumeFacts::mountedVolumes() const {
    QStringList paths;
    const std::optional<QList<MountEntry>> table = MountTable::read(m_paths.mountInfo);
    if (!table)
        return paths;
    for (const MountEntry& entry : *table)
        if (!entry.isHidden() && !paths.contains(entry.mountPoint))
            paths.append(entry.mountPoint);
    return paths;
}

std::optional<VolumeResources> LinuxVolumeFacts::resources(const QString& path) const {
    const std::optional<MountEntry> entry = MountTable::readAt(m_paths.mountInfo, path);
    return entry ? std::optional(describe(*entry)) : std::nullopt;
}

std::optional<QString> LinuxVolumeFacts::fileSystemTypeAt(const QString& path) const {
    const std::optional<MountEntry> entry = MountTable::readHolding(m_paths.mountInfo, path);
    return entry ? std::optional(entry->fsType) : std::nullopt;
}

VolumeResources LinuxVolumeFacts::describe(const MountEntry& entry) const {
    VolumeResources r;
    r.path = entry.mountPoint;
    r.isRootFileSystem = entry.mountPoint == u'/';
    r.isReadOnly = entry.isReadOnly();
    r.isLocal = !entry.isNetwork();
    r.isHidden = entry.isHidden();
    r.fileSystemType = entry.fsType;

    const SysBlock sys(m_paths.sysClassBlock);
    const std::optional<QString> device = sys.nameForMajorMinor(entry.majorMinor);
    if (!device) {
        // Network and memory file systems: nothing to take out or eject.
        r.isRemovable = false;
        r.isEjectable = false;
        return r;
    }
    const QList<PhysicalDisk> disks = sys.physicalDisks(*device);
    if (!disks.isEmpty()) {
        bool allRemovable = true, allUnpluggable = true, anyInternal = false, allExternal = true;
        for (const PhysicalDisk& d : disks) {
            using Bus = PhysicalDisk::Bus;
            const bool external = d.bus == Bus::usb || d.bus == Bus::firewire ||
                                  d.bus == Bus::thunderbolt ||
                                  (d.bus == Bus::mmc && !d.isEmbeddedMmc && d.removable);
            const bool internal = d.bus == Bus::internal || (d.bus == Bus::mmc && d.isEmbeddedMmc);
            r.isDiskImage = r.isDiskImage || d.isLoop;
            allRemovable = allRemovable && d.removable && !d.isEmbeddedMmc;
            // A disk image can be detached like any external disk.
            allUnpluggable = allUnpluggable && (d.hotplug || external || d.isLoop);
            anyInternal = anyInternal || internal;
            allExternal = allExternal && external;
        }
        r.isRemovable = allRemovable;
        r.isEjectable = allRemovable || allUnpluggable;
        if (anyInternal)
            r.isInternal = true;
        else if (allExternal)
            r.isInternal = false;
    }
    const Identity id = identity(*device);
    r.name = id.label;
    r.uuid = id.uuid;
    return r;
}

std::optional<QString> LinuxVolumeFacts::linkedName(const QString& folder,
                                                    const QString& deviceName) const {
    const QFileInfoList links =
        QDir(folder).entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& link : links)
        if (link.isSymLink() && QFileInfo(link.symLinkTarget()).fileName() == deviceName)
            return BlockProbe::decodeUdevString(QFile::encodeName(link.fileName()));
    return std::nullopt;
}

LinuxVolumeFacts::Identity LinuxVolumeFacts::identity(const QString& deviceName) const {
    // udev keeps links by label and UUID; where it runs, a device without a link has no such
    // value, so probing the device would only repeat its answer. Links left by a udev that no
    // longer runs may name an earlier file system of the device.
    if (QFileInfo(m_paths.devDisk + QStringLiteral("/by-uuid")).isDir() &&
        udevDaemon::isRunning(m_paths))
        return {linkedName(m_paths.devDisk + QStringLiteral("/by-label"), deviceName),
                linkedName(m_paths.devDisk + QStringLiteral("/by-uuid"), deviceName)};

    // Probed on every ask: mount ids are reused, so nothing about a mount tells that the
    // file system under it is still the one seen before (an erase changes label and UUID).
    Identity id;
    if (m_runner)
        if (const std::optional<ProbedFileSystem> probed =
                BlockProbe::probe(*m_runner, QStringLiteral("/dev/") + deviceName))
            id = {probed->label, probed->uuid};
    return id;
}

} // namespace stowly
