#pragma once

#include "devices/VolumeFacts.h"
#include "devices/linux/LinuxPaths.h"
#include "devices/linux/MountTable.h"

#include <memory>

namespace stowly {

class CommandRunning;
struct ProbedFileSystem;

// Volume facts from the mount table, sysfs and udev's links (or blkid where udev does not run).
class LinuxVolumeFacts : public VolumeFacts {
public:
    // runner probes devices with blkid; it must outlive this object.
    LinuxVolumeFacts(LinuxPaths paths, std::shared_ptr<CommandRunning> runner);

    QStringList mountedVolumes() const override;
    std::optional<VolumeResources> resources(const QString& path) const override;
    std::optional<QString> fileSystemTypeAt(const QString& path) const override;

    // The facts of one mount-table entry.
    VolumeResources describe(const MountEntry& entry) const;

private:
    struct Identity {
        std::optional<QString> label;
        std::optional<QString> uuid;
    };
    Identity identity(const QString& deviceName) const;
    std::optional<QString> linkedName(const QString& folder, const QString& deviceName) const;

    LinuxPaths m_paths;
    std::shared_ptr<CommandRunning> m_runner;
};

} // namespace stowly
