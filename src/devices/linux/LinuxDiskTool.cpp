#include "devices/linux/LinuxDiskTool.h"

#include "base/Log.h"
#include "base/Quoted.h"
#include "devices/CommandRunning.h"
#include "devices/FormatGuard.h"
#include "devices/VolumePaths.h"
#include "devices/linux/BlockProbe.h"
#include "devices/linux/MountTable.h"
#include "devices/linux/UdevDaemon.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <pwd.h>
#include <unistd.h>

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
           now->stackedDevices.isEmpty() && !now->isOSInternal && !now->disagreement &&
           now->isPartitionOrImage();
}

} // namespace

std::unique_ptr<DiskTool> DiskTool::platform(CommandRunning& runner, bool allowPrompts) {
    std::shared_ptr<const UdisksClient> udisks;
    if (UdisksClient::servesThisProcess())
        udisks = std::make_shared<UdisksClient>(QDBusConnection::systemBus(), allowPrompts);
    return std::make_unique<LinuxDiskTool>(runner, LinuxPaths{}, std::move(udisks));
}

LinuxDiskTool::LinuxDiskTool(CommandRunning& runner, LinuxPaths paths,
                             std::shared_ptr<const UdisksClient> udisks)
    : m_runner(runner), m_paths(std::move(paths)), m_udisks(std::move(udisks)) {}

QString LinuxDiskTool::backendName() const {
    return usesUdisks() ? QStringLiteral("udisks2") : QStringLiteral("plain");
}

QString LinuxDiskTool::notAllowedToErase(const QString& cardName) {
    return tr("Stowly wasn’t allowed to erase %1.").arg(quoted(cardName));
}

QString LinuxDiskTool::notAllowedToMount(const QString& cardName) {
    return tr("Stowly wasn’t allowed to mount %1.").arg(quoted(cardName));
}

QString LinuxDiskTool::notAllowedToUnmount() {
    return tr("Stowly wasn’t allowed to unmount it.");
}

QString LinuxDiskTool::erasedButNotMounted(const QString& cardName) {
    return tr("%1 was formatted but couldn’t be mounted again. Take it out and put it back in to "
              "use it.")
        .arg(quoted(cardName));
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
    std::optional<DiskFacts> f = factsFrom(*listing, *node);
    if (f && m_udisks) {
        if (const std::optional<UdisksObjects> objects = m_udisks->objects())
            objects->crossCheck(*f, ::getuid());
        else
            f->disagreement = QStringLiteral("udisks2 did not answer");
        if (f->disagreement)
            log(f->devicePath() + QStringLiteral(": ") + *f->disagreement);
    }
    return f;
}

std::optional<DiskFacts> LinuxDiskTool::factsFrom(const LsblkListing& listing,
                                                  const BlockNode& node) {
    DiskFacts f = listing.facts(node.kernelName);
    if (f.deviceIdentifier.isEmpty())
        return std::nullopt;
    // lsblk takes file systems, labels and UUIDs from udev's database. Where udev answers, a
    // missing type is one nobody knows; where it does not, the database is missing, or left
    // behind by a udev that stopped and describes whatever the device held back then. Then
    // only a look at the device itself tells, and nothing else is believed.
    if (!udevDaemon::isRunning(m_paths)) {
        const std::optional<ProbedFileSystem> probed = BlockProbe::probe(m_runner, f.devicePath());
        const ProbedFileSystem found = probed.value_or(ProbedFileSystem{});
        f.filesystemType = found.type;
        f.filesystemName = LsblkListing::fileSystemName(found.type, found.version);
        f.volumeName = found.label;
        f.volumeUUID = found.uuid;
    } else if (!f.filesystemType && f.stackedDevices.isEmpty()) {
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

QString LinuxDiskTool::mountFolder(const QString& oldMountPoint, const QString& name) const {
    if (!oldMountPoint.isEmpty())
        return plainMountFolder(oldMountPoint, name);
    // Where udisks2 would mount it: the user's folder under the media root, named after it.
    QString base = name;
    base.replace(u'/', u'_').remove(QChar(0));
    if (base.isEmpty() || base == u"." || base == u"..")
        base = QStringLiteral("disk");
    const passwd* user = ::getpwuid(::getuid());
    const QString root = m_paths.mediaRoot + u'/' +
                         (user ? QFile::decodeName(user->pw_name) : QString::number(::getuid()));
    QString candidate = root + u'/' + base;
    for (int i = 1; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++i)
        candidate = root + u'/' + base + u' ' + QString::number(i);
    return candidate;
}

bool LinuxDiskTool::mayMountThroughFuse(const QString& device) {
    return m_runner.hasProgram(QStringLiteral("mount.exfat-fuse")) &&
           (::geteuid() == 0 || ::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0);
}

LinuxDiskTool::Mounted LinuxDiskTool::plainMount(const QString& device, const QString& folder,
                                                 std::optional<CardFileSystem> fileSystem) {
    bool created = false;
    if (!QFileInfo(folder).isDir()) {
        if (!QDir().mkpath(folder))
            return {std::nullopt, tr("Couldn’t create the folder %1.").arg(folder)};
        created = true;
    }
    // Read-only, as udisks2 is asked: an offload only reads the card.
    QStringList arguments = {QStringLiteral("-o"), QStringLiteral("ro"), device, folder};
    if (fileSystem)
        arguments =
            QStringList{QStringLiteral("-t"), cardFileSystem::mountType(*fileSystem)} + arguments;
    CommandResult r = m_runner.run(QStringLiteral("mount"), arguments, mountTimeout);
    // Kernels without an exFAT driver mount it through FUSE.
    if (!r.succeeded() && fileSystem == CardFileSystem::exFAT && mayMountThroughFuse(device))
        r = m_runner.run(QStringLiteral("mount.exfat-fuse"),
                         {QStringLiteral("-o"), QStringLiteral("ro"), device, folder},
                         mountTimeout);
    if (!r.succeeded()) {
        if (created)
            QDir().rmdir(folder);
        const QString error = r.failure.value_or(r.trimmedError());
        return {std::nullopt, error.isEmpty() ? tr("Couldn’t mount %1.").arg(device) : error};
    }
    return {folder, {}};
}

LinuxDiskTool::Mounted LinuxDiskTool::mountDevice(const QString& device,
                                                  const QString& oldMountPoint, const QString& name,
                                                  std::optional<CardFileSystem> fileSystem,
                                                  bool throughUdisks) {
    if (!throughUdisks)
        return plainMount(device, mountFolder(oldMountPoint, name), fileSystem);

    const std::optional<UdisksObjects> objects = m_udisks->objects();
    const UdisksBlock* block = objects ? objects->blockForDevice(device) : nullptr;
    if (!block)
        return {std::nullopt, tr("udisks2 doesn’t know %1.").arg(device)};
    const UdisksClient::Reply reply = m_udisks->mount(block->objectPath);
    if (reply.succeeded())
        return {reply.text, {}};
    log(QStringLiteral("udisks2 couldn’t mount ") + device + QStringLiteral(": ") + reply.text);
    // Without a kernel driver udisks2 cannot mount exFAT, and polkit may say no; FUSE can,
    // where this process may open the device.
    if (fileSystem == CardFileSystem::exFAT && mayMountThroughFuse(device))
        return plainMount(device, mountFolder(oldMountPoint, name), fileSystem);
    return {std::nullopt, reply.isRefusal() ? notAllowedToMount(name) : reply.text};
}

QList<DiskTool::UnmountedCard> LinuxDiskTool::unmountedCards() {
    QList<UnmountedCard> cards;
    const std::optional<UdisksObjects> objects = m_udisks ? m_udisks->objects() : std::nullopt;
    const std::optional<LsblkListing> listing = objects ? list() : std::nullopt;
    if (!listing)
        return cards;
    for (const UdisksBlock& b : objects->unmountedCards(::getuid()))
        // udisks2 does not see FUSE mounts; the mount table does.
        if (const BlockNode* node = listing->device(b.device); !node || node->mountPoints.isEmpty())
            cards.append({b.device,
                          b.idLabel.isEmpty() ? QFileInfo(b.device).fileName() : b.idLabel,
                          b.idType, b.size});
    return cards;
}

LinuxDiskTool::Mounted LinuxDiskTool::mount(const QString& device, const QString& name) {
    const std::optional<DiskFacts> f = facts(device);
    if (!f)
        return {std::nullopt, tr("Stowly couldn’t find %1.").arg(device)};
    if (!f->mountPoints.isEmpty())
        return {f->mountPoints.first(), {}};
    if (f->isOSInternal || !f->isPartitionOrImage() || !f->filesystemType)
        return {std::nullopt, tr("Stowly only mounts memory cards.")};
    const std::optional<CardFileSystem> fileSystem =
        cardFileSystem::detect(f->filesystemType, f->filesystemName);
    const Mounted mounted = mountDevice(f->devicePath(), {}, name, fileSystem, usesUdisks());
    log(QStringLiteral("Mounting ") + device + QStringLiteral(": ") +
        mounted.mountPoint.value_or(mounted.failure));
    return mounted;
}

std::optional<QString> LinuxDiskTool::unmount(const QString& device, const QStringList& mountPoints,
                                              const std::optional<UdisksObjects>& objects,
                                              bool* refused) {
    QStringList plain = mountPoints;
    if (objects) {
        const UdisksBlock* block = objects->blockForDevice(device);
        if (block && !block->mountPoints.isEmpty()) {
            const UdisksClient::Reply reply = m_udisks->unmount(block->objectPath);
            if (!reply.succeeded()) {
                if (refused)
                    *refused = reply.isRefusal();
                return reply.isRefusal() ? notAllowedToUnmount() : reply.text;
            }
            for (const QString& m : block->mountPoints)
                plain.removeAll(m);
        }
    }
    // Stacked mounts come off top first.
    for (auto it = plain.crbegin(); it != plain.crend(); ++it) {
        const CommandResult r = m_runner.run(QStringLiteral("umount"), {*it}, mountTimeout);
        if (r.failure)
            return *r.failure;
        if (r.status != 0) {
            const QString error = r.trimmedError();
            return error.isEmpty() ? tr("Couldn’t unmount %1.").arg(*it) : error;
        }
    }
    return std::nullopt;
}

FormatOutcome LinuxDiskTool::erase(const DiskFacts& card, const QString& cardName,
                                   CardFileSystem fileSystem, const QString& newName) {
    if (!card.mountPoint || card.deviceIdentifier.isEmpty())
        return FormatOutcome::refused(FormatGuard::locationChanged());
    const QString device = card.devicePath();
    const QString oldMountPoint = *card.mountPoint;
    // Names in quotation marks, which a bug report leaves out.
    log(QStringLiteral("Erasing ") + device + QStringLiteral(" (“") + cardName +
        QStringLiteral("”) as ") + cardFileSystem::formatName(fileSystem) +
        QStringLiteral(" named “") + newName + QStringLiteral("” through ") + backendName());

    std::optional<UdisksObjects> objects;
    if (m_udisks && !(objects = m_udisks->objects()))
        return FormatOutcome::failed(
            tr("udisks2 didn’t answer, so %1 wasn’t erased.").arg(cardName));
    // The card goes back the way it was mounted: udisks2's own mounts through udisks2, others
    // (FUSE) by this process.
    const UdisksBlock* before = objects ? objects->blockForDevice(device) : nullptr;
    const bool udisksMounted = before && before->mountPoints.contains(oldMountPoint);
    bool refused = false;
    if (const std::optional<QString> error = unmount(device, card.mountPoints, objects, &refused)) {
        if (refused)
            return FormatOutcome::refused(notAllowedToErase(cardName));
        return FormatOutcome::failed(tr("Couldn’t unmount %1: %2").arg(cardName, *error));
    }

    // Between the checks and now the card could have been swapped for another device under
    // the same name; never erase anything but the device the guards passed.
    if (!isStillTheCard(card, facts(device))) {
        log(QStringLiteral("Not erasing ") + device +
            QStringLiteral(": it no longer looks like the card that was checked"));
        return FormatOutcome::refused(FormatGuard::locationChanged());
    }

    std::optional<FormatOutcome> failure;
    if (m_udisks) {
        const UdisksBlock* block = objects->blockForDevice(device);
        const UdisksClient::Reply reply =
            block ? m_udisks->format(block->objectPath, cardFileSystem::mountType(fileSystem),
                                     newName)
                  : UdisksClient::Reply{QStringLiteral("unknown"), tr("udisks2 doesn’t know it.")};
        if (reply.isRefusal())
            failure = FormatOutcome::refused(notAllowedToErase(cardName));
        else if (!reply.succeeded())
            failure = FormatOutcome::failed(reply.text.isEmpty()
                                                ? tr("udisks2 couldn’t format %1.").arg(cardName)
                                                : reply.text);
    } else {
        const QString program = cardFileSystem::eraseProgram(fileSystem);
        const QStringList arguments = cardFileSystem::eraseArguments(fileSystem, newName, device);
        log(QStringLiteral("Running ") + commandText(program, arguments));
        const CommandResult erased = m_runner.run(program, arguments, eraseTimeout);
        if (erased.failure)
            failure =
                FormatOutcome::failed(tr("Couldn’t run %1: %2").arg(program, *erased.failure));
        else if (erased.status != 0)
            failure =
                FormatOutcome::failed(erased.trimmedError().isEmpty()
                                          ? tr("%1 couldn’t format %2.").arg(program, cardName)
                                          : erased.trimmedError());
    }
    if (!failure && !m_udisks)
        refreshDeviceDatabase(device);
    if (failure) {
        // Whatever happened, the card is better mounted again than left hanging.
        mountDevice(device, oldMountPoint, card.volumeName.value_or(cardName), fileSystem,
                    udisksMounted);
        return *failure;
    }
    const Mounted mounted = mountDevice(device, oldMountPoint, newName, fileSystem, udisksMounted);
    if (!mounted.mountPoint) {
        log(QStringLiteral("Mounting ") + device + QStringLiteral(" again failed: ") +
            mounted.failure);
        return FormatOutcome::formatted(newName, std::nullopt, erasedButNotMounted(newName));
    }
    // The old mount point was the card's; an empty folder left behind would only confuse.
    if (*mounted.mountPoint != oldMountPoint && VolumePaths::isUnderMountRoots(oldMountPoint))
        QDir().rmdir(oldMountPoint);
    return FormatOutcome::formatted(newName, std::nullopt);
}

void LinuxDiskTool::refreshDeviceDatabase(const QString& device) {
    // Where udev runs, lsblk answers from its database, which learns of the new file system
    // only when udev gets round to it; until then the card would keep its old name and UUID.
    // Where it does not, waiting for it to settle would only wait out the timeout.
    if (udevDaemon::isRunning(m_paths) && m_runner.hasProgram(QStringLiteral("udevadm")))
        m_runner.run(QStringLiteral("udevadm"),
                     {QStringLiteral("trigger"), QStringLiteral("--action=change"),
                      QStringLiteral("--settle"), device},
                     listTimeout);
}

void LinuxDiskTool::waitUntilDetached(const QString& disk) {
    const QString backing = m_paths.sysClassBlock + u'/' + disk + QStringLiteral("/loop");
    QDeadlineTimer deadline(std::chrono::seconds(5));
    while (QFileInfo::exists(backing) && !deadline.hasExpired())
        QThread::msleep(50);
    if (QFileInfo::exists(backing))
        log(QStringLiteral("/dev/") + disk + QStringLiteral(" is still attached"));
}

void LinuxDiskTool::powerOff(const QString& disk, bool isLoop,
                             const std::optional<UdisksObjects>& objects) {
    const QString device = QStringLiteral("/dev/") + disk;
    QString what;
    QString failure;
    if (objects) {
        const UdisksBlock* block = objects->blockForDevice(device);
        const UdisksDrive* drive = block ? objects->drive(block->drive) : nullptr;
        UdisksClient::Reply reply;
        if (block && block->isLoop) {
            what = QStringLiteral("deleting the loop device");
            reply = m_udisks->deleteLoop(block->objectPath);
        } else if (drive && drive->canPowerOff) {
            what = QStringLiteral("powering it off");
            reply = m_udisks->powerOff(drive->objectPath);
        } else {
            log(QStringLiteral("Unmounted ") + device +
                QStringLiteral("; it can’t be powered off"));
            return;
        }
        if (!reply.succeeded())
            failure = reply.text;
    } else {
        QString program;
        QStringList arguments;
        if (isLoop) {
            program = QStringLiteral("losetup");
            arguments = {QStringLiteral("--detach"), device};
        } else if (m_runner.hasProgram(QStringLiteral("eject"))) {
            program = QStringLiteral("eject");
            arguments = {device};
        } else {
            log(QStringLiteral("Unmounted ") + device +
                QStringLiteral("; no tool here powers it off"));
            return;
        }
        what = commandText(program, arguments);
        const CommandResult r = m_runner.run(program, arguments, mountTimeout);
        if (!r.succeeded())
            failure = r.failure.value_or(r.trimmedError());
    }
    // Everything is unmounted and flushed, so the card is safe to pull even if powering it
    // off fails; that is only logged.
    if (!failure.isNull())
        log(QStringLiteral("Unmounted ") + device + QStringLiteral(" but ") + what +
            QStringLiteral(" failed: ") + failure);
    else if (isLoop)
        waitUntilDetached(disk);
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
    std::optional<UdisksObjects> objects;
    if (m_udisks && !(objects = m_udisks->objects()))
        return tr("udisks2 didn’t answer.");

    for (const BlockNode* device : listing->devicesOn(disks))
        if (!device->mountPoints.isEmpty())
            if (const std::optional<QString> error = unmount(
                    QStringLiteral("/dev/") + device->kernelName, device->mountPoints, objects))
                return error;
    for (const QString& disk : disks) {
        const BlockNode* d = listing->node(disk);
        powerOff(disk, d && d->type == u"loop", objects);
    }
    return std::nullopt;
}

} // namespace stowly
