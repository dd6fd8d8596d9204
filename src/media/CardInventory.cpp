#include "media/CardInventory.h"

#include "base/FileNames.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace stowly {
namespace {

QStringList pathComponents(const QString& path) {
    QStringList components;
    if (path.startsWith(u'/'))
        components.append(QStringLiteral("/"));
    for (const QString& piece : path.split(u'/', Qt::SkipEmptyParts))
        components.append(piece);
    return components;
}

QString joinComponents(const QStringList& components) {
    QString result;
    for (const QString& c : components) {
        if (c == u"/") {
            result = c;
            continue;
        }
        if (!result.isEmpty() && !result.endsWith(u'/'))
            result += u'/';
        result += c;
    }
    return result;
}

QString parentFolder(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0)
        return {};
    if (slash == 0)
        return QStringLiteral("/");
    return path.left(slash);
}

} // namespace

QList<Clip> CardInventory::allClips() const {
    return newFiles + offloaded + missing;
}

CardInventory CardInventory::classify(const QList<Clip>& files, const QString& volumeIdentity,
                                      const CopyLookup& recorded, const FileSize& fileSize,
                                      const QStringList& backups, bool trustOtherStations) {
    const auto isUnder = [](const QString& path, const QString& root) {
        return path.startsWith(root.endsWith(u'/') ? root : root + u'/');
    };
    const auto isUnderBackup = [&](const QString& path) {
        for (const QString& root : backups)
            if (isUnder(path, root))
                return true;
        return false;
    };

    CardInventory inventory;
    QStringList copyFolders;
    for (const Clip& clip : files) {
        const QList<RecordedCopy> copies = recorded(clip.historyKey(volumeIdentity));
        if (copies.isEmpty() || copies.first().size != clip.size) {
            inventory.newFiles.append(clip);
            continue;
        }
        const auto inPlace = [&](const RecordedCopy* copy) {
            if (!copy || copy->size != clip.size)
                return false;
            const std::optional<qint64> size = fileSize(copy->destinationPath);
            return size && *size == clip.size;
        };
        // This station's newest copy speaks for it; another station's copy counts only when
        // this one has none, as it may sit at a path this station cannot see.
        const auto newest = [&](const auto& belongs) -> const RecordedCopy* {
            const RecordedCopy* elsewhere = nullptr;
            for (const RecordedCopy& copy : copies) {
                if (!belongs(copy.destinationPath))
                    continue;
                if (!copy.elsewhere)
                    return &copy;
                if (!elsewhere || (!inPlace(elsewhere) && inPlace(&copy)))
                    elsewhere = &copy;
            }
            return elsewhere;
        };
        bool unchecked = false;
        // A copy at another station that is not in place here: gone, or out of sight.
        const auto counts = [&](const RecordedCopy* copy) {
            if (inPlace(copy))
                return true;
            if (!copy || !copy->elsewhere || copy->size != clip.size)
                return false;
            unchecked = !trustOtherStations;
            return true;
        };
        const RecordedCopy* main =
            newest([&](const QString& path) { return !isUnderBackup(path); });
        MissingCopies missing;
        missing.main = !counts(main);
        const bool mainHere = inPlace(main);
        if (mainHere)
            missing.mainCopy = main->destinationPath;
        for (const QString& root : backups)
            if (!counts(newest([&](const QString& path) { return isUnder(path, root); })))
                missing.backups.append(root);
        if (missing.main || !missing.backups.isEmpty()) {
            inventory.missing.append(clip);
            if (!backups.isEmpty())
                inventory.missingCopies.insert(clip.id(), missing);
            continue;
        }
        inventory.offloaded.append(clip);
        if (unchecked)
            inventory.uncheckedHere.insert(clip.id());
        if (mainHere)
            copyFolders.append(parentFolder(main->destinationPath));
    }
    inventory.copiesFolder = commonFolder(copyFolders);
    return inventory;
}

std::optional<qint64> CardInventory::diskFileSize(const QString& path) {
    struct stat info;
    if (::fstatat(AT_FDCWD, fileNames::encode(path).constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    if (!S_ISREG(info.st_mode))
        return std::nullopt;
    return qint64(info.st_size);
}

std::optional<QString> CardInventory::commonFolder(const QStringList& paths) {
    if (paths.isEmpty())
        return std::nullopt;
    QStringList common = pathComponents(paths.first());
    for (qsizetype i = 1; i < paths.size() && !common.isEmpty(); ++i) {
        const QStringList other = pathComponents(paths[i]);
        qsizetype shared = 0;
        while (shared < common.size() && shared < other.size() && common[shared] == other[shared])
            ++shared;
        common = common.mid(0, shared);
    }
    if (common.isEmpty())
        return std::nullopt;
    return joinComponents(common);
}

} // namespace stowly
