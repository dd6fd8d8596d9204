#include "devices/FolderBookmark.h"

#include "base/FileNames.h"
#include "devices/VolumePaths.h"
#include "devices/linux/MountTable.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <deque>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace stowly {
namespace {

const QString kindValue = QStringLiteral("stowly.folder");

struct Contents {
    QString fsType;
    QString mountPoint;
    QString root;
    // Below the mount point, no leading "/"; empty for the mount point itself.
    QString relative;
    quint64 inode = 0;
    quint64 device = 0;
    // The file system's own id (statfs), taken from the volume UUID on ext4 and btrfs.
    quint64 fsid = 0;
    std::optional<QString> uuid;
};

QByteArray encodeContents(const Contents& c) {
    QJsonObject object{{QStringLiteral("kind"), kindValue},
                       {QStringLiteral("version"), 1},
                       {QStringLiteral("fs"), c.fsType},
                       {QStringLiteral("mount"), c.mountPoint},
                       {QStringLiteral("root"), c.root},
                       {QStringLiteral("relative"), c.relative},
                       {QStringLiteral("inode"), QString::number(c.inode)},
                       {QStringLiteral("device"), QString::number(c.device)},
                       {QStringLiteral("fsid"), QString::number(c.fsid)}};
    if (c.uuid)
        object.insert(QStringLiteral("uuid"), *c.uuid);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<Contents> decodeContents(const QByteArray& bytes) {
    const QJsonObject o = QJsonDocument::fromJson(bytes).object();
    if (o.value(QStringLiteral("kind")).toString() != kindValue ||
        o.value(QStringLiteral("version")).toInt() != 1)
        return std::nullopt;
    Contents c;
    c.fsType = o.value(QStringLiteral("fs")).toString();
    c.mountPoint = o.value(QStringLiteral("mount")).toString();
    c.root = o.value(QStringLiteral("root")).toString();
    c.relative = o.value(QStringLiteral("relative")).toString();
    bool inodeOk = false;
    bool deviceOk = false;
    bool fsidOk = false;
    c.inode = o.value(QStringLiteral("inode")).toString().toULongLong(&inodeOk);
    c.device = o.value(QStringLiteral("device")).toString().toULongLong(&deviceOk);
    c.fsid = o.value(QStringLiteral("fsid")).toString().toULongLong(&fsidOk);
    if (const QJsonValue uuid = o.value(QStringLiteral("uuid")); uuid.isString())
        c.uuid = uuid.toString();
    if (!inodeOk || !deviceOk || !fsidOk || c.mountPoint.isEmpty() || c.fsType.isEmpty())
        return std::nullopt;
    return c;
}

QString joined(const QString& folder, const QString& relative) {
    if (relative.isEmpty())
        return folder;
    return folder == u"/" ? u'/' + relative : folder + u'/' + relative;
}

QString parentOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

QString nameOf(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

std::optional<quint64> fileSystemID(const QString& path) {
    struct statfs info;
    if (::statfs(fileNames::encode(path).constData(), &info) != 0)
        return std::nullopt;
    quint32 halves[2];
    static_assert(sizeof halves == sizeof info.f_fsid);
    std::memcpy(halves, &info.f_fsid, sizeof halves);
    return (quint64(halves[0]) << 32) | halves[1];
}

std::optional<struct stat> statOf(const QString& path) {
    struct stat info;
    if (::stat(fileNames::encode(path).constData(), &info) != 0)
        return std::nullopt;
    return info;
}

// Breadth-first search for a directory by inode on one device, never following links or
// entering other mounts or hidden folders (a trashed folder is gone, not moved).
class InodeSearch {
public:
    InodeSearch(quint64 inode, const FolderBookmark::Limits& limits,
                const std::atomic<bool>* cancelled)
        : m_inode(inode), m_limits(limits), m_cancelled(cancelled) {}

    // Searches below start on the given device, leaving out start's child named skip (searched
    // before). The entry budget is shared by all searches of this object.
    std::optional<QByteArray> below(const QByteArray& start, const QByteArray& skip, dev_t device) {
        std::deque<std::pair<QByteArray, int>> queue{{start, 0}};
        while (!queue.empty() && !exhausted()) {
            auto [folder, depth] = std::move(queue.front());
            queue.pop_front();
            const int fd =
                ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (fd < 0)
                continue;
            DIR* dir = ::fdopendir(fd);
            if (!dir) {
                ::close(fd);
                continue;
            }
            const bool isStart = depth == 0;
            while (const dirent* entry = ::readdir(dir)) {
                if (exhausted())
                    break;
                ++m_entries;
                const char* name = entry->d_name;
                if (name[0] == '.')
                    continue;
                if (entry->d_type != DT_DIR && entry->d_type != DT_UNKNOWN)
                    continue;
                if (isStart && !skip.isEmpty() && skip == name)
                    continue;
                struct stat info;
                if (::fstatat(fd, name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
                    !S_ISDIR(info.st_mode) || info.st_dev != device)
                    continue;
                QByteArray path = folder == "/" ? QByteArray("/") + name : folder + '/' + name;
                if (info.st_ino == m_inode) {
                    ::closedir(dir);
                    return path;
                }
                if (depth + 1 < m_limits.maxDepth)
                    queue.emplace_back(std::move(path), depth + 1);
            }
            ::closedir(dir);
        }
        return std::nullopt;
    }

    bool exhausted() const {
        return m_entries >= m_limits.maxEntries ||
               (m_cancelled && m_cancelled->load(std::memory_order_relaxed));
    }

private:
    quint64 m_inode;
    FolderBookmark::Limits m_limits;
    const std::atomic<bool>* m_cancelled;
    int m_entries = 0;
};

} // namespace

bool FolderBookmark::hasLastingInodes(const QString& fsType) {
    static const QSet<QString> lasting{
        QStringLiteral("ext2"),   QStringLiteral("ext3"),     QStringLiteral("ext4"),
        QStringLiteral("btrfs"),  QStringLiteral("xfs"),      QStringLiteral("f2fs"),
        QStringLiteral("zfs"),    QStringLiteral("jfs"),      QStringLiteral("reiserfs"),
        QStringLiteral("nilfs2"), QStringLiteral("bcachefs"), QStringLiteral("hfsplus"),
        QStringLiteral("apfs"),   QStringLiteral("ntfs3"),    QStringLiteral("tmpfs"),
    };
    return lasting.contains(fsType);
}

QList<FolderBookmark::Volume> FolderBookmark::mountedVolumes(const VolumeUUID& uuidOf) {
    QList<Volume> volumes;
    for (const MountEntry& mount :
         MountTable::read(MountTable::standardPath()).value_or(QList<MountEntry>())) {
        // Asking about the others (system, network and fuse mounts) would only cost time.
        const bool asked = uuidOf && hasLastingInodes(mount.fsType);
        volumes.append({mount.mountPoint, mount.root, mount.fsType,
                        asked ? uuidOf(mount.mountPoint) : std::nullopt});
    }
    return volumes;
}

std::optional<QByteArray> FolderBookmark::make(const QString& folder,
                                               const QList<Volume>& volumes) {
    char resolved[PATH_MAX];
    if (!::realpath(fileNames::encode(folder).constData(), resolved))
        return std::nullopt;
    const QString canonical = fileNames::decode(resolved);
    const std::optional<struct stat> info = statOf(canonical);
    if (!info || !S_ISDIR(info->st_mode))
        return std::nullopt;
    // The deepest mount point holding the folder; of stacked mounts the last listed.
    const Volume* mount = nullptr;
    for (const Volume& volume : volumes)
        if (VolumePaths::isOnVolume(canonical, volume.mountPoint) &&
            (!mount || volume.mountPoint.size() >= mount->mountPoint.size()))
            mount = &volume;
    const std::optional<quint64> fsid = fileSystemID(canonical);
    if (!mount || !hasLastingInodes(mount->fsType) || !fsid)
        return std::nullopt;
    Contents c;
    c.fsid = *fsid;
    c.fsType = mount->fsType;
    c.mountPoint = mount->mountPoint;
    c.root = mount->root;
    c.relative = canonical == mount->mountPoint
                     ? QString()
                     : canonical.mid(mount->mountPoint == u"/" ? 1 : mount->mountPoint.size() + 1);
    c.inode = info->st_ino;
    c.device = info->st_dev;
    c.uuid = mount->uuid;
    return encodeContents(c);
}

std::optional<FolderBookmark::Resolved>
FolderBookmark::resolve(const QByteArray& bookmark, const QList<Volume>& volumes,
                        const Limits& limits, const std::atomic<bool>* cancelled) {
    const std::optional<Contents> c = decodeContents(bookmark);
    if (!c)
        return std::nullopt;

    // The same UUID is the same volume. Without one on either side, the volume must be
    // mounted where it was, with the same device number, type and file-system id, and the
    // folder found must keep its name or its parent: device numbers are handed out again to
    // other drives, and two fresh drives give their first folders the same inode numbers.
    QList<std::pair<Volume, bool>> candidates;
    if (c->uuid)
        for (const Volume& volume : volumes)
            if (volume.uuid == c->uuid && volume.root == c->root)
                candidates.append({volume, true});
    if (candidates.isEmpty()) {
        for (const Volume& volume : volumes) {
            if ((c->uuid && volume.uuid) || volume.mountPoint != c->mountPoint ||
                volume.fsType != c->fsType || volume.root != c->root)
                continue;
            const std::optional<struct stat> info = statOf(volume.mountPoint);
            if (info && quint64(info->st_dev) == c->device &&
                fileSystemID(volume.mountPoint) == c->fsid)
                candidates.append({volume, false});
        }
    }
    // Where it was mounted before is the likeliest place.
    std::stable_partition(candidates.begin(), candidates.end(), [&](const auto& candidate) {
        return candidate.first.mountPoint == c->mountPoint;
    });

    InodeSearch search(c->inode, limits, cancelled);
    for (const auto& [volume, sameUuid] : candidates) {
        const QString mountPoint = volume.mountPoint;
        const std::optional<struct stat> volumeInfo = statOf(mountPoint);
        if (!volumeInfo)
            continue;
        const QString old = joined(mountPoint, c->relative);

        // The folder itself may still be where it was.
        if (const std::optional<struct stat> there = statOf(old);
            there && S_ISDIR(there->st_mode) && there->st_ino == c->inode &&
            there->st_dev == volumeInfo->st_dev)
            return Resolved{old, old != joined(c->mountPoint, c->relative)};

        // Nearest existing ancestor first, then each one above it up to the mount point.
        QString folder = parentOf(old);
        while (VolumePaths::isOnVolume(folder, mountPoint) && folder != mountPoint) {
            const std::optional<struct stat> info = statOf(folder);
            if (info && S_ISDIR(info->st_mode))
                break;
            folder = parentOf(folder);
        }
        if (!VolumePaths::isOnVolume(folder, mountPoint))
            continue;
        QString searched;
        std::optional<QByteArray> found;
        for (;;) {
            found = search.below(fileNames::encode(folder), fileNames::encode(nameOf(searched)),
                                 volumeInfo->st_dev);
            if (found || folder == mountPoint || search.exhausted())
                break;
            searched = folder;
            folder = parentOf(folder);
        }
        if (!found)
            continue;
        const QString path = fileNames::decode(*found);
        if (!sameUuid && nameOf(path) != nameOf(old) && parentOf(path) != parentOf(old))
            continue;
        return Resolved{path, path != joined(c->mountPoint, c->relative)};
    }
    return std::nullopt;
}

} // namespace stowly
