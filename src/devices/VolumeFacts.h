#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace stowly {

// What the platform says about one mounted volume. A value the platform cannot tell is absent.
struct VolumeResources {
    QString path; // the mount point
    std::optional<QString> name;
    std::optional<QString> uuid;
    std::optional<bool> isRemovable;
    std::optional<bool> isEjectable;
    std::optional<bool> isInternal;
    std::optional<bool> isLocal;
    std::optional<bool> isRootFileSystem;
    std::optional<bool> isReadOnly;
    // A volume backed by a file (a loop device on Linux) rather than by hardware.
    bool isDiskImage = false;
    // Hidden volumes (the system's own pseudo file systems) are never listed.
    bool isHidden = false;
    // The file-system type name as the platform names it ("exfat", "vfat", "fuseblk").
    std::optional<QString> fileSystemType;

    friend bool operator==(const VolumeResources&, const VolumeResources&) = default;
};

// The platform's listing of mounted volumes and their facts. Implementations keep no state
// that callers see and may be asked from any thread.
class VolumeFacts {
public:
    virtual ~VolumeFacts() = default;

    // Mount points of the visible volumes, in the platform's order.
    virtual QStringList mountedVolumes() const = 0;
    // The facts of the volume mounted at path; none when nothing is mounted there or the
    // platform cannot be read at all.
    virtual std::optional<VolumeResources> resources(const QString& path) const = 0;
    // Type name of the file system that holds path (which may lie deep inside a volume); none
    // when it cannot be told.
    virtual std::optional<QString> fileSystemTypeAt(const QString& path) const = 0;

    // The platform's own source, living for the whole process.
    static const VolumeFacts& platform();
};

} // namespace stowly
