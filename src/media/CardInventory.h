#pragma once

#include "media/Clip.h"
#include "media/ScanFailure.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>

#include <functional>
#include <optional>

namespace stowly {

// What the history knows of one card file's verified copy.
struct RecordedCopy {
    QString destinationPath;
    qint64 size = 0;
    // Made by another station: its path may be one this station cannot see.
    bool elsewhere = false;
};
// The recorded copies for a history key, the newest first.
using CopyLookup = std::function<QList<RecordedCopy>(const QString& key)>;

// Which copies of a file that the history knows are not in place any more.
struct MissingCopies {
    // The main destination has no copy in place.
    bool main = false;
    // Backup destination roots without a copy in place.
    QStringList backups;
    // The main destination's copy when it is in place, so a backup's new copy can take the same
    // relative path.
    std::optional<QString> mainCopy;

    friend bool operator==(const MissingCopies&, const MissingCopies&) = default;
};

// A card's files split against the history of verified copies.
struct CardInventory {
    // Files with no verified copy ("new" on the card; the word is taken in C++).
    QList<Clip> newFiles;
    // Files whose verified copy is still in place.
    QList<Clip> offloaded;
    // Files whose copy is gone or has another size, at the main destination or at a backup.
    QList<Clip> missing;
    // Of the offloaded files, those whose only copies are other stations' at paths this one
    // cannot see (another cart's drive): offloaded, yet not checked here. By clip id.
    QSet<QString> uncheckedHere;
    // For the missing files, by id, when backups were asked about: which copies are missing.
    QHash<QString, MissingCopies> missingCopies;
    // The deepest folder holding every still-present copy; none when nothing is offloaded.
    std::optional<QString> copiesFolder;
    QStringList ignored;
    // Where the walk could not read the card: the lists then hold only what was read, and
    // nothing may count the card as fully offloaded.
    std::optional<ScanFailure> unreadable;

    qsizetype fileCount() const { return newFiles.size() + offloaded.size() + missing.size(); }
    // new, offloaded, missing, in that order.
    QList<Clip> allClips() const;

    using FileSize = std::function<std::optional<qint64>(const QString& path)>;

    // A file is offloaded when the newest copy of it outside the backup roots is in place and,
    // for each backup root, the newest copy under that root is in place too. Another station's
    // copy counts when it is in place here; one this station cannot see counts as offloaded and
    // unchecked (uncheckedHere), or, when `trustOtherStations`, as checked.
    static CardInventory classify(const QList<Clip>& files, const QString& volumeIdentity,
                                  const CopyLookup& recorded, const FileSize& fileSize,
                                  const QStringList& backups = {}, bool trustOtherStations = false);

    // Size of the regular file at path, not following a final link; none for anything else.
    static std::optional<qint64> diskFileSize(const QString& path);
    // The longest common leading run of path components; none for no paths or nothing shared.
    static std::optional<QString> commonFolder(const QStringList& paths);

    friend bool operator==(const CardInventory&, const CardInventory&) = default;
};

} // namespace stowly
