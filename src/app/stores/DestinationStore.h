#pragma once

#include "app/stores/FavoriteDestination.h"
#include "app/stores/MovedFolders.h"
#include "app/stores/StoreFile.h"
#include "devices/FolderBookmark.h"

#include <QList>
#include <QObject>
#include <QSet>

#include <functional>
#include <optional>

namespace stowly {

// The user's favourite destination folders, the default one and the one used last, kept in
// "destinations.json". Follows favourites whose folders were moved or renamed, and chooses the
// destination the application starts with. Every edit saves at once. Main thread only.
class DestinationStore : public QObject {
    Q_OBJECT
public:
    using FolderExists = std::function<bool(const QString& path)>;

    struct Options {
        // None keeps everything in memory.
        std::optional<QString> filePath = DestinationStore::defaultFileURL();
        QList<FavoriteDestination> favorites;
        // None makes the first favourite the default.
        std::optional<QUuid> defaultID;
        // Whether a folder is there. The moved-folder pass calls it off the main thread, so it
        // must be safe to call from any thread. Empty: a directory exists at the path.
        FolderExists folderExists;
        // The volume UUID of a mount point, where the platform knows it; asked on the main
        // thread. Without it volumes are told apart by device number and type.
        FolderBookmark::VolumeUUID volumeUUID;
        FolderBookmark::Limits searchLimits;
    };

    // Loads the file, then starts the moved-folder pass.
    explicit DestinationStore(Options options, QObject* parent = nullptr);

    static QString defaultFileURL();
    // "~", "." and ".." resolved, trailing "/" removed (except for "/" itself).
    static QString normalized(const QString& path);
    static bool isDirectory(const QString& path);

    const QList<FavoriteDestination>& favorites() const { return m_favorites; }
    const std::optional<QUuid>& defaultID() const { return m_defaultID; }
    const std::optional<QUuid>& lastUsedID() const { return m_lastUsedID; }
    // The last refused change, else the last load or save failure; cleared by a save.
    const std::optional<QString>& lastError() const {
        return m_refusal ? m_refusal : m_file.lastError();
    }
    // Goes up on every mount or unmount, so views re-check which favourites are connected.
    int mountRevision() const { return m_mountRevision; }
    const std::optional<QString>& filePath() const { return m_file.path(); }
    bool loadedSavedList() const { return m_loadedSavedList; }
    bool folderExists(const QString& path) const { return m_folderExists(path); }

    std::optional<FavoriteDestination> favorite(const std::optional<QUuid>& id) const;
    std::optional<FavoriteDestination> favoriteForPath(const std::optional<QString>& path) const;
    // The default, else the first favourite.
    std::optional<FavoriteDestination> defaultFavorite() const;

    // The favourite for the folder: the existing one, or a new one named after the folder (or
    // the given name) made unique, which becomes the default when there is none.
    FavoriteDestination add(const QString& path, const std::optional<QString>& name = {});
    void rename(const QUuid& id, const QString& name);
    // Refused, with the reason in lastError, when another favourite has that folder: two
    // favourites never share one.
    void setPath(const QUuid& id, const QString& path);
    void setDefault(const QUuid& id);
    // Marks the favourite used last; an id that names none clears it.
    void markUsed(const std::optional<QUuid>& id);
    void remove(const QSet<QUuid>& ids);
    void move(const QList<int>& fromOffsets, int toOffset);

    // The destination to start with: the default, else the last used, else the first favourite
    // whose folder is there; with no favourites the current path when its folder is there;
    // otherwise the default's path or the current path as given.
    std::optional<QString> launchDestination(const std::optional<QString>& currentPath) const;

    // The one-time takeover of the single destination older versions kept in the settings.
    bool adoptLegacyDestination(const std::optional<QString>& path);
    bool migrate(const QString& legacyPath);

    // From now on every mount change counts and re-runs the moved-folder pass.
    void startWatchingDrives();
    // Starts the moved-folder pass in the background (or queues one more after the running
    // one); its results are applied on the main thread.
    void findMovedFolders();
    bool isFindingMovedFolders() const { return m_passRunning; }

public Q_SLOTS:
    // Connected to the platform's mount notifications.
    void mountsChanged();

Q_SIGNALS:
    void changed();
    // A favourite now points at another folder, changed by the user or found moved; what
    // pointed at the old one (a preset) follows.
    void folderChanged(const QString& from, const QString& to);
    void mountRevisionChanged();
    // A moved-folder pass ended; movedAny tells whether it changed a favourite's path.
    void movedFoldersChecked(bool movedAny);

private:
    void load();
    void save();
    int indexOf(const QUuid& id) const;
    std::optional<QByteArray> bookmarkOf(const QString& path) const;
    void applyMoves(const QList<MovedFolders::Move>& moves);

    QList<FavoriteDestination> m_favorites;
    std::optional<QUuid> m_defaultID;
    std::optional<QUuid> m_lastUsedID;
    int m_mountRevision = 0;
    bool m_loadedSavedList = false;
    bool m_watchingDrives = false;
    FolderExists m_folderExists;
    FolderBookmark::VolumeUUID m_volumeUUID;
    FolderBookmark::Limits m_searchLimits;
    StoreFile m_file;
    std::optional<QString> m_refusal;
    bool m_passRunning = false;
    bool m_passPending = false;
};

} // namespace stowly
