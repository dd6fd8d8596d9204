#pragma once

#include "devices/DiskTool.h"
#include "devices/linux/LinuxPaths.h"
#include "devices/linux/LsblkListing.h"
#include "devices/linux/UdisksClient.h"

#include <QCoreApplication>

#include <chrono>
#include <memory>

namespace stowly {

class CommandRunning;

// The disk tool of Linux. Facts come from lsblk, with the file system, label and UUID read from
// the device by blkid where udev does not answer, checked against udisks2's where it runs.
// Unmounting, erasing, mounting and powering off go through udisks2 over D-Bus, so an ordinary user
// needs no access to the device nodes; without udisks2, plain commands do it (which needs root). A
// card udisks2 cannot mount (no kernel driver) is mounted through FUSE where this process may.
class LinuxDiskTool : public DiskTool {
    Q_DECLARE_TR_FUNCTIONS(LinuxDiskTool)

public:
    // Without a udisks2 client the tool runs plain commands.
    explicit LinuxDiskTool(CommandRunning& runner, LinuxPaths paths = {},
                           std::shared_ptr<const UdisksClient> udisks = nullptr);

    std::optional<DiskFacts> facts(const QString& target) override;
    std::optional<QString> volumePath(const QString& path) override;
    FormatOutcome erase(const DiskFacts& card, const QString& cardName, CardFileSystem fileSystem,
                        const QString& newName) override;
    std::optional<QString> eject(const QString& mountPath) override;
    Mounted mount(const QString& device, const QString& name) override;
    // Only udisks2 tells which file systems nothing has mounted; without it, none are listed.
    QList<UnmountedCard> unmountedCards() override;
    QString backendName() const override;

    bool usesUdisks() const { return m_udisks != nullptr; }

    static QString notAllowedToErase(const QString& cardName);
    static QString notAllowedToMount(const QString& cardName);
    static QString notAllowedToUnmount();
    static QString erasedButNotMounted(const QString& cardName);

    static constexpr auto listTimeout = std::chrono::seconds(30);
    static constexpr auto mountTimeout = std::chrono::seconds(60);
    static constexpr auto eraseTimeout = std::chrono::minutes(10);

private:
    std::optional<LsblkListing> list();
    std::optional<DiskFacts> factsFrom(const LsblkListing& listing, const BlockNode& node);
    // Where the card is mounted by a process that mounts for itself.
    QString plainMountFolder(const QString& oldMountPoint, const QString& newName) const;
    // Where a card is mounted by this process: beside its old mount point, or where udisks2
    // would put it.
    QString mountFolder(const QString& oldMountPoint, const QString& name) const;
    // Mounts the device, through udisks2 or by this process; the mount point, or none with the
    // reason.
    Mounted mountDevice(const QString& device, const QString& oldMountPoint, const QString& name,
                        std::optional<CardFileSystem> fileSystem, bool throughUdisks);
    Mounted plainMount(const QString& device, const QString& folder,
                       std::optional<CardFileSystem> fileSystem);
    // Whether this process may mount the device through FUSE itself.
    bool mayMountThroughFuse(const QString& device);
    // Unmounts every mount of the device: udisks2's own through udisks2, the rest (FUSE) with
    // umount. The failure's description, or none.
    std::optional<QString> unmount(const QString& device, const QStringList& mountPoints,
                                   const std::optional<UdisksObjects>& objects,
                                   bool* refused = nullptr);
    void powerOff(const QString& disk, bool isLoop, const std::optional<UdisksObjects>& objects);
    void refreshDeviceDatabase(const QString& device);
    // A detached loop device lingers while anything still holds it open.
    void waitUntilDetached(const QString& disk);

    CommandRunning& m_runner;
    LinuxPaths m_paths;
    std::shared_ptr<const UdisksClient> m_udisks;
};

} // namespace stowly
