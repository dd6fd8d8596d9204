#include "app/stores/MovedFolders.h"

#include "app/stores/DestinationStore.h"

namespace stowly {

QList<MovedFolders::Move> MovedFolders::find(const Snapshot& snapshot,
                                             const std::atomic<bool>* cancelled) {
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
            move.freshBookmark = FolderBookmark::make(newPath, snapshot.volumes);
        moves.append(move);
    }
    return moves;
}

} // namespace stowly
