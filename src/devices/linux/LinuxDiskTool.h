#pragma once

#include "devices/DiskTool.h"
#include "devices/linux/LinuxPaths.h"
#include "devices/linux/LsblkListing.h"

#include <QCoreApplication>

#include <chrono>
#include <memory>

namespace stowly {

class CommandRunning;

// The disk tool of Linux: lsblk (with blkid where udev does not run) for facts; unmount,
// mkfs.exfat / mkfs.fat and mount again for the erase; udisksctl where udisks2 runs, the plain
// commands (which need root) where it does not.
class LinuxDiskTool : public DiskTool {
    Q_DECLARE_TR_FUNCTIONS(LinuxDiskTool)

public:
    explicit LinuxDiskTool(CommandRunning& runner, LinuxPaths paths = {});

    std::optional<DiskFacts> facts(const QString& target) override;
    std::optional<QString> volumePath(const QString& path) override;
    FormatOutcome erase(const DiskFacts& card, const QString& cardName, CardFileSystem fileSystem,
                        const QString& newName) override;
    std::optional<QString> eject(const QString& mountPath) override;

    bool usesUdisks();

    static constexpr auto listTimeout = std::chrono::seconds(30);
    static constexpr auto mountTimeout = std::chrono::seconds(60);
    static constexpr auto eraseTimeout = std::chrono::minutes(10);

private:
    std::optional<LsblkListing> list();
    std::optional<DiskFacts> factsFrom(const LsblkListing& listing, const BlockNode& node);
    // Where the erased card is mounted by a process that mounts for itself.
    QString plainMountFolder(const QString& oldMountPoint, const QString& newName) const;
    // Mounts the device again; the mount point, or none when that failed (logged).
    std::optional<QString> mountAgain(const QString& device, const QString& oldMountPoint,
                                      const QString& name, CardFileSystem fileSystem);
    std::optional<QString> unmount(const BlockNode& node);

    CommandRunning& m_runner;
    LinuxPaths m_paths;
};

} // namespace stowly
