#pragma once

#include <QString>

#include <optional>

namespace stowly {

class VolumeFacts;

// What kind of volume a path is on: the facts the import prompt decides on.
struct VolumeTraits {
    QString path;
    bool isRemovable = false;
    bool isEjectable = false;
    std::optional<bool> isInternal;
    bool isLocal = true;
    bool isRootFileSystem = false;
    bool isDiskImage = false;
    bool isBackup = false;

    // Facts that cannot be read count as false, except "local" (true) and "internal" (unknown).
    static VolumeTraits read(const QString& path);
    static VolumeTraits read(const QString& path, const VolumeFacts& facts);

    // Any of the backup-disk markers directly in the volume's root.
    static bool isBackupDisk(const QString& path);

    // "removable true, ejectable false, internal unknown, local true, root false, …"
    QString logDescription() const;

    friend bool operator==(const VolumeTraits&, const VolumeTraits&) = default;
};

} // namespace stowly
