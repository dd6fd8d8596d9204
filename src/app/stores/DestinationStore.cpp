#include "app/stores/DestinationStore.h"
#include "copy/FolderProbe.h"

#include "app/stores/JsonFields.h"
#include "app/stores/ListMove.h"
#include "base/AppFolders.h"
#include "base/Background.h"
#include "base/FileNames.h"

#include <QDir>
#include <QJsonArray>

#include <atomic>
#include <stop_token>
#include <sys/stat.h>

namespace stowly {
namespace {

QString lastComponent(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

} // namespace

DestinationStore::DestinationStore(Options options, QObject* parent)
    : QObject(parent), m_favorites(std::move(options.favorites)),
      m_folderExists(std::move(options.folderExists)), m_volumeUUID(std::move(options.volumeUUID)),
      m_searchLimits(options.searchLimits),
      m_file(std::move(options.filePath), tr("Couldn’t read your favorite destinations: %1"),
             tr("Couldn’t save your favorite destinations: %1.")) {
    if (!m_folderExists)
        m_folderExists = &DestinationStore::isDirectory;
    m_defaultID = options.defaultID;
    if (!m_defaultID && !m_favorites.isEmpty())
        m_defaultID = m_favorites.first().id;
    load();
    findMovedFolders();
}

QString DestinationStore::defaultFileURL() {
    return AppFolders::appSupport() + QStringLiteral("/destinations.json");
}

QString DestinationStore::normalized(const QString& path) {
    QString result = path;
    if (result == u"~" || result.startsWith(QStringLiteral("~/")))
        result = QDir::homePath() + result.mid(1);
    result = QDir::cleanPath(result);
    // Above the root is the root.
    while (result == u"/.." || result.startsWith(QStringLiteral("/../")))
        result = result.size() == 3 ? QStringLiteral("/") : result.mid(3);
    while (result.size() > 1 && result.endsWith(u'/'))
        result.chop(1);
    return result;
}

bool DestinationStore::isDirectory(const QString& path) {
    // A favourite on a share that does not answer counts as not connected.
    return !path.isEmpty() && FolderProbe::isFolder(path);
}

void DestinationStore::load() {
    const StoreFile::LoadResult result =
        m_file.load([this](const QJsonObject& object) -> std::optional<QString> {
            JsonFields fields(object, tr("the file"));
            const QJsonArray list = fields.array(QStringLiteral("favorites"));
            if (!fields.ok())
                return fields.problem();
            auto favorites =
                JsonFields::decodeList<FavoriteDestination>(list, QStringLiteral("favorite"));
            if (auto* problem = std::get_if<QString>(&favorites))
                return *problem;
            m_favorites = std::get<QList<FavoriteDestination>>(std::move(favorites));
            m_defaultID = fields.optionalUuid(QStringLiteral("defaultID"));
            if (!favorite(m_defaultID))
                m_defaultID = m_favorites.isEmpty() ? std::nullopt
                                                    : std::optional<QUuid>(m_favorites.first().id);
            m_lastUsedID = fields.optionalUuid(QStringLiteral("lastUsedID"));
            return std::nullopt;
        });
    m_loadedSavedList = result == StoreFile::LoadResult::loaded;
}

void DestinationStore::save() {
    m_refusal.reset();
    QJsonArray list;
    for (const FavoriteDestination& favorite : m_favorites)
        list.append(favorite.toJson());
    QJsonObject content{{QStringLiteral("favorites"), list}};
    if (m_defaultID)
        content.insert(QStringLiteral("defaultID"), JsonFields::uuidText(*m_defaultID));
    if (m_lastUsedID)
        content.insert(QStringLiteral("lastUsedID"), JsonFields::uuidText(*m_lastUsedID));
    m_file.save(content);
    Q_EMIT changed();
}

int DestinationStore::indexOf(const QUuid& id) const {
    for (int i = 0; i < m_favorites.size(); ++i)
        if (m_favorites[i].id == id)
            return i;
    return -1;
}

std::optional<FavoriteDestination>
DestinationStore::favorite(const std::optional<QUuid>& id) const {
    const int index = id ? indexOf(*id) : -1;
    return index < 0 ? std::nullopt : std::optional<FavoriteDestination>(m_favorites[index]);
}

std::optional<FavoriteDestination>
DestinationStore::favoriteForPath(const std::optional<QString>& path) const {
    if (!path || path->isEmpty())
        return std::nullopt;
    const QString wanted = normalized(*path);
    for (const FavoriteDestination& favorite : m_favorites)
        if (normalized(favorite.path) == wanted)
            return favorite;
    return std::nullopt;
}

std::optional<FavoriteDestination> DestinationStore::defaultFavorite() const {
    if (std::optional<FavoriteDestination> found = favorite(m_defaultID))
        return found;
    return m_favorites.isEmpty() ? std::nullopt
                                 : std::optional<FavoriteDestination>(m_favorites.first());
}

std::optional<QByteArray> DestinationStore::bookmarkOf(const QString& path) const {
    return FolderBookmark::make(path, FolderBookmark::mountedVolumes(m_volumeUUID));
}

FavoriteDestination DestinationStore::add(const QString& path, const std::optional<QString>& name) {
    const QString p = normalized(path);
    if (std::optional<FavoriteDestination> existing = favoriteForPath(p))
        return *existing;
    // A blank name would show as the folder's name anyway; make that one unique instead.
    const QString base = name && !name->trimmed().isEmpty() ? *name
                         : lastComponent(p).isEmpty()       ? p
                                                            : lastComponent(p);
    const auto taken = [this](const QString& candidate) {
        return std::any_of(
            m_favorites.cbegin(), m_favorites.cend(), [&](const FavoriteDestination& favorite) {
                return favorite.displayName().compare(candidate, Qt::CaseInsensitive) == 0;
            });
    };
    QString candidate = base;
    for (int n = 2; taken(candidate); ++n)
        candidate = base + u' ' + QString::number(n);
    FavoriteDestination added{QUuid::createUuid(), candidate, p, bookmarkOf(p)};
    m_favorites.append(added);
    if (!m_defaultID)
        m_defaultID = added.id;
    save();
    return added;
}

void DestinationStore::rename(const QUuid& id, const QString& name) {
    const int index = indexOf(id);
    if (index < 0 || m_favorites[index].name == name)
        return;
    m_favorites[index].name = name;
    save();
}

void DestinationStore::setPath(const QUuid& id, const QString& path) {
    const int index = indexOf(id);
    const QString p = normalized(path);
    if (index < 0 || m_favorites[index].path == p)
        return;
    if (const std::optional<FavoriteDestination> other = favoriteForPath(p)) {
        m_refusal = tr("“%1” already points at %2. Two favorites can’t share a folder, so “%3” "
                       "wasn’t changed.")
                        .arg(other->displayName(), p, m_favorites[index].displayName());
        Q_EMIT changed();
        return;
    }
    const QString from = m_favorites[index].path;
    m_favorites[index].path = p;
    m_favorites[index].bookmark = bookmarkOf(p);
    save();
    Q_EMIT folderChanged(from, p);
}

void DestinationStore::setDefault(const QUuid& id) {
    if (indexOf(id) < 0 || m_defaultID == id)
        return;
    m_defaultID = id;
    save();
}

void DestinationStore::markUsed(const std::optional<QUuid>& id) {
    const std::optional<QUuid> used = favorite(id) ? id : std::nullopt;
    if (used == m_lastUsedID)
        return;
    m_lastUsedID = used;
    save();
}

void DestinationStore::remove(const QSet<QUuid>& ids) {
    const qsizetype removed = m_favorites.removeIf(
        [&](const FavoriteDestination& favorite) { return ids.contains(favorite.id); });
    if (removed == 0)
        return;
    if (m_defaultID && ids.contains(*m_defaultID))
        m_defaultID =
            m_favorites.isEmpty() ? std::nullopt : std::optional<QUuid>(m_favorites.first().id);
    if (m_lastUsedID && ids.contains(*m_lastUsedID))
        m_lastUsedID.reset();
    save();
}

void DestinationStore::move(const QList<int>& fromOffsets, int toOffset) {
    if (moveItems(m_favorites, fromOffsets, toOffset))
        save();
}

std::optional<QString>
DestinationStore::launchDestination(const std::optional<QString>& currentPath) const {
    const auto usable = [this](const std::optional<FavoriteDestination>& favorite) {
        return favorite && m_folderExists(favorite->path);
    };
    if (const auto found = defaultFavorite(); usable(found))
        return found->path;
    if (const auto found = favorite(m_lastUsedID); usable(found))
        return found->path;
    for (const FavoriteDestination& favorite : m_favorites)
        if (m_folderExists(favorite.path))
            return favorite.path;
    if (m_favorites.isEmpty())
        return currentPath;
    return defaultFavorite()->path;
}

bool DestinationStore::adoptLegacyDestination(const std::optional<QString>& path) {
    if (!path || path->isEmpty() || favoriteForPath(*path))
        return false;
    if (migrate(*path))
        return true;
    const bool wasEmpty = m_favorites.isEmpty();
    const FavoriteDestination added = add(*path);
    if (wasEmpty && m_lastUsedID != added.id) {
        m_lastUsedID = added.id;
        save();
    }
    return true;
}

bool DestinationStore::migrate(const QString& legacyPath) {
    if (m_loadedSavedList || !m_favorites.isEmpty() || legacyPath.isEmpty())
        return false;
    const QString p = normalized(legacyPath);
    FavoriteDestination favorite{QUuid::createUuid(), lastComponent(p), p, bookmarkOf(p)};
    m_favorites.append(favorite);
    m_defaultID = favorite.id;
    m_lastUsedID = favorite.id;
    save();
    return true;
}

void DestinationStore::startWatchingDrives() {
    m_watchingDrives = true;
}

void DestinationStore::mountsChanged() {
    if (!m_watchingDrives)
        return;
    ++m_mountRevision;
    Q_EMIT mountRevisionChanged();
    Q_EMIT changed();
    findMovedFolders();
}

void DestinationStore::findMovedFolders() {
    if (m_passRunning) {
        m_passPending = true;
        return;
    }
    MovedFolders::Snapshot snapshot;
    for (const FavoriteDestination& favorite : m_favorites)
        if (favorite.bookmark)
            snapshot.favorites.append({favorite.id, favorite.path, favorite.bookmark});
    if (snapshot.favorites.isEmpty()) {
        Q_EMIT movedFoldersChecked(false);
        return;
    }
    // Reading the mount table and asking for UUIDs is quick and stays here; everything that
    // touches the volumes themselves (a drive may be slow or gone) runs on a worker.
    snapshot.volumes = FolderBookmark::mountedVolumes(m_volumeUUID);
    snapshot.folderExists = m_folderExists;
    snapshot.limits = m_searchLimits;

    m_passRunning = true;
    background::run(
        this,
        [snapshot = std::move(snapshot)](std::stop_token stop) {
            std::atomic<bool> cancelled = false;
            const std::stop_callback onStop(stop, [&] { cancelled = true; });
            return MovedFolders::find(snapshot, &cancelled);
        },
        [this](const QList<MovedFolders::Move>& moves) {
            m_passRunning = false;
            applyMoves(moves);
        });
}

void DestinationStore::applyMoves(const QList<MovedFolders::Move>& moves) {
    QList<MovedFolders::Move> applied;
    for (const MovedFolders::Move& move : moves) {
        const int index = indexOf(move.id);
        // The user may have changed or removed the favourite meanwhile; that wins. A folder
        // another favourite has stays that one's.
        if (index < 0 || m_favorites[index].path != move.oldPath || favoriteForPath(move.newPath))
            continue;
        m_favorites[index].path = move.newPath;
        if (move.freshBookmark)
            m_favorites[index].bookmark = move.freshBookmark;
        applied.append(move);
    }
    const bool movedAny = !applied.isEmpty();
    if (movedAny)
        save();
    for (const MovedFolders::Move& move : applied)
        Q_EMIT folderChanged(move.oldPath, move.newPath);
    Q_EMIT movedFoldersChecked(movedAny);
    if (m_passPending) {
        m_passPending = false;
        findMovedFolders();
    }
}

} // namespace stowly
