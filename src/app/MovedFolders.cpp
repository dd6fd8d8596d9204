#include "app/MovedFolders.h"

#include "app/DestinationStore.h"

namespace stowly {

QList<FolderBookmark::Volume> MovedFolders::volumes(const QList<MountEntry>& mounts,
                                                    const FolderBookmark::VolumeUUID& uuidOf) {
    QList<FolderBookmark::Volume> result;
    result.reserve(mounts.size());
    // Bookmarks are only made on these; asking about the others (system, network and fuse
    // mounts) would only cost time.
    for (const MountEntry& mount : mounts)
        if (FolderBookmark::hasLastingInodes(mount.fsType))
            result.append({mount, uuidOf ? uuidOf(mount.mountPoint) : std::nullopt});
    return result;
}

QList<MovedFolders::Move> MovedFolders::find(const Snapshot& snapshot,
                                             const std::atomic<bool>* cancelled) {
    QList<MountEntry> mounts;
    for (const FolderBookmark::Volume& volume : snapshot.volumes)
        mounts.append(volume.mount);
    const FolderBookmark::VolumeUUID uuidOf =
        [&](const QString& mountPoint) -> std::optional<QString> {
        for (const FolderBookmark::Volume& volume : snapshot.volumes)
            if (volume.mount.mountPoint == mountPoint)
                return volume.uuid;
        return std::nullopt;
    };

    QList<Move> moves;
    for (const Favorite& favorite : snapshot.favorites) {
        if (cancelled && cancelled->load())
            break;
        if (!favorite.bookmark || snapshot.folderExists(favorite.path))
            continue;
        const std::optional<FolderBookmark::Resolved> resolved = FolderBookmark::resolve(
            *favorite.bookmark, snapshot.volumes, snapshot.limits, cancelled);
        if (!resolved)
            continue;
        const QString newPath = DestinationStore::normalized(resolved->path);
        if (newPath == DestinationStore::normalized(favorite.path) ||
            !snapshot.folderExists(newPath))
            continue;
        Move move{favorite.id, favorite.path, newPath, std::nullopt};
        if (resolved->stale)
            move.freshBookmark = FolderBookmark::make(newPath, mounts, uuidOf);
        moves.append(move);
    }
    return moves;
}

} // namespace stowly
