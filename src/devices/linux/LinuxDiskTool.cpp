#include "devices/linux/LinuxDiskTool.h"

#include "base/Log.h"
#include "devices/CommandRunning.h"
#include "devices/FormatGuard.h"
#include "devices/VolumePaths.h"
#include "devices/linux/BlockProbe.h"
#include "devices/linux/MountTable.h"

#include <QDir>
#include <QFileInfo>

namespace stowly {
namespace {

void log(const QString& message) {
    Log::info(Log::Category::app, message);
}

QString commandText(const QString& program, const QStringList& arguments) {
    return program + u' ' + arguments.join(u' ');
}

// The device after unmounting is still the card the guards passed: same device, same disk,
// same size, same file system, and mounted nowhere. A fact that cannot be read fails.
bool isStillTheCard(const DiskFacts& before, const std::optional<DiskFacts>& now) {
    return now && now->deviceIdentifier == before.deviceIdentifier &&
           now->deviceKind == before.deviceKind && now->wholeDisks == before.wholeDisks &&
           before.size && now->size == before.size && before.volumeUUID &&
           now->volumeUUID == before.volumeUUID && now->mountPoints.isEmpty() &&
           now->stackedDevices.isEmpty() && !now->isOSInternal && now->isPartitionOrImage();
}

} // namespace

std::unique_ptr<DiskTool> DiskTool::platform(CommandRunning& runner) {
    return std::make_unique<LinuxDiskTool>(runner);
}

LinuxDiskTool::LinuxDiskTool(CommandRunning& runner, LinuxPaths paths)
    : m_runner(runner), m_paths(std::move(paths)) {}

bool LinuxDiskTool::usesUdisks() {
    return QFileInfo(m_paths.udisksRuntime).isDir() &&
           m_runner.hasProgram(QStringLiteral("udisksctl"));
}

std::optional<LsblkListing> LinuxDiskTool::list() {
    const CommandResult result =
        m_runner.run(QStringLiteral("lsblk"), LsblkListing::arguments(), listTimeout);
    if (!result.succeeded()) {
        log(QStringLiteral("lsblk failed: ") + result.failure.value_or(result.trimmedError()));
        return std::nullopt;
    }
    return LsblkListing::parse(result.output);
}

std::optional<DiskFacts> LinuxDiskTool::facts(const QString& target) {
    const std::optional<LsblkListing> listing = list();
    if (!listing)
        return std::nullopt;
    const BlockNode* node = nullptr;
    if (target.startsWith(QStringLiteral("/dev/"))) {
        // /dev/mapper/… and /dev/disk/… names are links to the kernel's node.
        const QString canonical = QFileInfo(target).canonicalFilePath();
        node = listing->device(canonical.isEmpty() ? target : canonical);
        if (!node)
            node = listing->device(target);
    } else if (!target.contains(u'/')) {
        node = listing->device(target);
    } else {
        node = listing->mountedAt(target);
    }
    if (!node)
        return std::nullopt;
    return factsFrom(*listing, *node);
}

std::optional<DiskFacts> LinuxDiskTool::factsFrom(const LsblkListing& listing,
                                                  const BlockNode& node) {
    DiskFacts f = listing.facts(node.kernelName);
    if (f.deviceIdentifier.isEmpty())
        return std::nullopt;
    // lsblk takes labels and types from udev's database; where udev does not run they are
    // missing, and only a look at the device itself tells.
    if (!f.filesystemType && f.stackedDevices.isEmpty()) {
        if (const std::optional<ProbedFileSystem> probed =
                BlockProbe::probe(m_runner, f.devicePath())) {
            f.filesystemType = probed->type;
            f.filesystemName = LsblkListing::fileSystemName(probed->type, probed->version);
            if (!f.volumeName)
                f.volumeName = probed->label;
            if (!f.volumeUUID)
                f.volumeUUID = probed->uuid;
        }
    }
    return f;
}

std::optional<QString> LinuxDiskTool::volumePath(const QString& path) {
    const std::optional<MountEntry> entry = MountTable::readHolding(m_paths.mountInfo, path);
    return entry ? std::optional(entry->mountPoint) : std::nullopt;
}

QString LinuxDiskTool::plainMountFolder(const QString& oldMountPoint,
                                        const QString& newName) const {
    // The new name becomes a folder name beside the old one, as desktops name mount points
    // after labels; anything that is not a plain, free name keeps the old folder.
    if (newName.isEmpty() || newName == u"." || newName == u".." || newName.contains(u'/') ||
        newName.contains(QChar(0)))
        return oldMountPoint;
    const QString candidate = QFileInfo(oldMountPoint).absolutePath() + u'/' + newName;
    const QFileInfo info(candidate);
    if (candidate == oldMountPoint || !VolumePaths::isUnderMountRoots(candidate) || info.exists() ||
        info.isSymLink())
        return oldMountPoint;
    return candidate;
}

std::optional<QString> LinuxDiskTool::mountAgain(const QString& device,
                                                 const QString& oldMountPoint, const QString& name,
                                                 CardFileSystem fileSystem) {
    if (usesUdisks()) {
        const QStringList arguments = {QStringLiteral("mount"), QStringLiteral("--block-device"),
                                       device, QStringLiteral("--no-user-interaction")};
        const CommandResult r = m_runner.run(QStringLiteral("udisksctl"), arguments, mountTimeout);
        if (r.succeeded()) {
            // "Mounted /dev/sdb1 at /media/user/CARD"
            const QString said = QString::fromUtf8(r.output).trimmed();
            const qsizetype at = said.indexOf(QStringLiteral(" at "));
            if (at < 0)
                return std::nullopt;
            QString mountPoint = said.mid(at + 4);
            if (mountPoint.endsWith(u'.'))
                mountPoint.chop(1);
            return mountPoint;
        }
        log(QStringLiteral("Mounting ") + device + QStringLiteral(" again failed: ") +
            r.failure.value_or(r.trimmedError()));
        return std::nullopt;
    }

    const QString folder = plainMountFolder(oldMountPoint, name);
    bool created = false;
    if (!QFileInfo(folder).isDir()) {
        if (!QDir().mkpath(folder)) {
            log(QStringLiteral("Couldn’t create the mount folder ") + folder);
            return std::nullopt;
        }
        created = true;
    }
    CommandResult r =
        m_runner.run(QStringLiteral("mount"),
                     {QStringLiteral("-t"), cardFileSystem::mountType(fileSystem), device, folder},
                     mountTimeout);
    // Kernels without an exFAT driver mount it through FUSE.
    if (!r.succeeded() && fileSystem == CardFileSystem::exFAT &&
        m_runner.hasProgram(QStringLiteral("mount.exfat-fuse")))
        r = m_runner.run(QStringLiteral("mount.exfat-fuse"), {device, folder}, mountTimeout);
    if (!r.succeeded()) {
        log(QStringLiteral("Mounting ") + device + QStringLiteral(" again failed: ") +
            r.failure.value_or(r.trimmedError()));
        if (created)
            QDir().rmdir(folder);
        return std::nullopt;
    }
    // The old mount point was the card's; an empty folder left behind would only confuse.
    if (folder != oldMountPoint && VolumePaths::isUnderMountRoots(oldMountPoint))
        QDir().rmdir(oldMountPoint);
    return folder;
}

FormatOutcome LinuxDiskTool::erase(const DiskFacts& card, const QString& cardName,
                                   CardFileSystem fileSystem, const QString& newName) {
    if (!card.mountPoint || card.deviceIdentifier.isEmpty())
        return FormatOutcome::refused(FormatGuard::locationChanged());
    const QString device = card.devicePath();
    const QString oldMountPoint = *card.mountPoint;
    const bool udisks = usesUdisks();
    log(QStringLiteral("Erasing ") + device + QStringLiteral(" (") + cardName +
        QStringLiteral(") as ") + cardFileSystem::formatName(fileSystem) +
        QStringLiteral(" named ") + newName);

    const QString unmountProgram = udisks ? QStringLiteral("udisksctl") : QStringLiteral("umount");
    const QStringList unmountArguments =
        udisks ? QStringList{QStringLiteral("unmount"), QStringLiteral("--block-device"), device,
                             QStringLiteral("--no-user-interaction")}
               : QStringList{oldMountPoint};
    const CommandResult unmounted = m_runner.run(unmountProgram, unmountArguments, mountTimeout);
    if (unmounted.failure)
        return FormatOutcome::failed(
            tr("Couldn’t run %1: %2").arg(unmountProgram, *unmounted.failure));
    if (unmounted.status != 0) {
        const QString error = unmounted.trimmedError();
        return FormatOutcome::failed(error.isEmpty()
                                         ? tr("Couldn’t unmount %1.").arg(cardName)
                                         : tr("Couldn’t unmount %1: %2").arg(cardName, error));
    }

    // Between the checks and now the card could have been swapped for another device under
    // the same name; never erase anything but the device the guards passed.
    if (!isStillTheCard(card, facts(device))) {
        log(QStringLiteral("Not erasing ") + device +
            QStringLiteral(": it no longer looks like the card that was checked"));
        return FormatOutcome::refused(FormatGuard::locationChanged());
    }

    const QString program = cardFileSystem::eraseProgram(fileSystem);
    const QStringList arguments = cardFileSystem::eraseArguments(fileSystem, newName, device);
    log(QStringLiteral("Running ") + commandText(program, arguments));
    const CommandResult erased = m_runner.run(program, arguments, eraseTimeout);
    if (!erased.succeeded()) {
        // Whatever the tool left, the card is better mounted again than left hanging.
        mountAgain(device, oldMountPoint, card.volumeName.value_or(cardName), fileSystem);
        if (erased.failure)
            return FormatOutcome::failed(tr("Couldn’t run %1: %2").arg(program, *erased.failure));
        const QString error = erased.trimmedError();
        return FormatOutcome::failed(
            error.isEmpty() ? tr("%1 couldn’t format %2.").arg(program, cardName) : error);
    }
    mountAgain(device, oldMountPoint, newName, fileSystem);
    return FormatOutcome::formatted(newName, std::nullopt);
}

std::optional<QString> LinuxDiskTool::unmount(const BlockNode& node) {
    const QString device = QStringLiteral("/dev/") + node.kernelName;
    QList<CommandResult> results;
    QStringList what;
    if (usesUdisks()) {
        results.append(m_runner.run(QStringLiteral("udisksctl"),
                                    {QStringLiteral("unmount"), QStringLiteral("--block-device"),
                                     device, QStringLiteral("--no-user-interaction")},
                                    mountTimeout));
        what.append(device);
    } else {
        // Stacked mounts come off top first.
        for (auto it = node.mountPoints.crbegin(); it != node.mountPoints.crend(); ++it) {
            results.append(m_runner.run(QStringLiteral("umount"), {*it}, mountTimeout));
            what.append(*it);
            if (!results.last().succeeded())
                break;
        }
    }
    for (qsizetype i = 0; i < results.size(); ++i) {
        const CommandResult& r = results[i];
        if (r.failure)
            return *r.failure;
        if (r.status != 0) {
            const QString error = r.trimmedError();
            return error.isEmpty() ? tr("Couldn’t unmount %1.").arg(what[i]) : error;
        }
    }
    return std::nullopt;
}

std::optional<QString> LinuxDiskTool::eject(const QString& mountPath) {
    const std::optional<LsblkListing> listing = list();
    if (!listing)
        return tr("Stowly couldn’t read the list of disks.");
    const BlockNode* node = listing->mountedAt(mountPath);
    if (!node)
        return tr("It isn’t mounted any more.");
    const QStringList disks = listing->wholeDisks(node->kernelName);
    if (disks.isEmpty())
        return tr("Stowly couldn’t tell which disk it is on.");
    if (listing->holdsSystem(disks))
        return tr("It’s on your startup disk.");

    for (const BlockNode* device : listing->devicesOn(disks))
        if (!device->mountPoints.isEmpty())
            if (const std::optional<QString> error = unmount(*device))
                return error;

    // Everything is unmounted and flushed, so the card is safe to pull even if powering it
    // off fails; that is only logged.
    const bool udisks = usesUdisks();
    for (const QString& disk : disks) {
        const QString device = QStringLiteral("/dev/") + disk;
        const BlockNode* d = listing->node(disk);
        const bool isLoop = d && d->type == u"loop";
        QString program;
        QStringList arguments;
        if (udisks) {
            program = QStringLiteral("udisksctl");
            arguments = {isLoop ? QStringLiteral("loop-delete") : QStringLiteral("power-off"),
                         QStringLiteral("--block-device"), device,
                         QStringLiteral("--no-user-interaction")};
        } else if (isLoop) {
            program = QStringLiteral("losetup");
            arguments = {QStringLiteral("--detach"), device};
        } else if (m_runner.hasProgram(QStringLiteral("eject"))) {
            program = QStringLiteral("eject");
            arguments = {device};
        } else {
            log(QStringLiteral("Unmounted ") + device +
                QStringLiteral("; no tool here powers it off"));
            continue;
        }
        const CommandResult r = m_runner.run(program, arguments, mountTimeout);
        if (!r.succeeded())
            log(QStringLiteral("Unmounted ") + device + QStringLiteral(" but ") +
                commandText(program, arguments) + QStringLiteral(" failed: ") +
                r.failure.value_or(r.trimmedError()));
    }
    return std::nullopt;
}

} // namespace stowly
