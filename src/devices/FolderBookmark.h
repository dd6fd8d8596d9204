#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <optional>

namespace stowly {

// An opaque locator that finds a folder again after it was moved or renamed on its volume:
// the volume (its UUID where known, else its mount point, device number, type and file-system
// id), the folder's inode number and its last path below the mount point. Resolving searches the
// volume near the last path first, then ever wider, within fixed bounds.
namespace FolderBookmark {
// The volume UUID of a mount point, where the platform knows it.
using VolumeUUID = std::function<std::optional<QString>(const QString& mountPoint)>;

// A mounted volume with its UUID, looked up beforehand so resolving needs nothing but the disk.
struct Volume {
    QString mountPoint;
    // The folder of the file system mounted there ("/" for the whole of it).
    QString root = QStringLiteral("/");
    QString fsType;
    std::optional<QString> uuid;
};

struct Limits {
    // Levels searched below each folder on the way up from the last path.
    int maxDepth = 6;
    // Directory entries read in all, across the whole search.
    int maxEntries = 50000;
};

struct Resolved {
    QString path;
    // The bookmark names another place than where the folder is now.
    bool stale = false;
};

// None when the folder is missing, or when its file system has no lasting inode numbers
// (FAT, exFAT, network and fuse file systems): there an inode could name another folder
// after a remount.
// The volumes mounted now, as the platform lists them; UUIDs are asked only of those a bookmark
// can lie on. Quick: reads the mount table, not the volumes.
QList<Volume> mountedVolumes(const VolumeUUID& uuidOf);

std::optional<QByteArray> make(const QString& folder, const QList<Volume>& volumes);

// Where the folder is now; none when its volume is not mounted, the folder is not found
// within the limits, or the search was cancelled. Reads the disk: not for the main thread.
std::optional<Resolved> resolve(const QByteArray& bookmark, const QList<Volume>& volumes,
                                const Limits& limits, const std::atomic<bool>* cancelled = nullptr);

// File systems whose inode numbers stay with a folder across renames and remounts.
bool hasLastingInodes(const QString& fsType);
} // namespace FolderBookmark

} // namespace stowly
