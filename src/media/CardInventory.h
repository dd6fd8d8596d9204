#pragma once

#include "media/Clip.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <functional>
#include <optional>

namespace stowly {

// What the history knows of one card file's verified copy.
struct RecordedCopy {
    QString destinationPath;
    qint64 size = 0;
};
// The recorded copy for a history key, if any.
using CopyLookup = std::function<std::optional<RecordedCopy>(const QString& key)>;

// A card's files split against the history of verified copies.
struct CardInventory {
    // Files with no verified copy ("new" on the card; the word is taken in C++).
    QList<Clip> newFiles;
    // Files whose verified copy is still in place.
    QList<Clip> offloaded;
    // Files whose copy is gone or has another size.
    QList<Clip> missing;
    // The deepest folder holding every still-present copy; none when nothing is offloaded.
    std::optional<QString> copiesFolder;
    QStringList ignored;

    qsizetype fileCount() const { return newFiles.size() + offloaded.size() + missing.size(); }
    // new, offloaded, missing, in that order.
    QList<Clip> allClips() const;

    using FileSize = std::function<std::optional<qint64>(const QString& path)>;

    static CardInventory classify(const QList<Clip>& files, const QString& volumeIdentity,
                                  const CopyLookup& recorded, const FileSize& fileSize);

    // Size of the regular file at path, not following a final link; none for anything else.
    static std::optional<qint64> diskFileSize(const QString& path);
    // The longest common leading run of path components; none for no paths or nothing shared.
    static std::optional<QString> commonFolder(const QStringList& paths);

    friend bool operator==(const CardInventory&, const CardInventory&) = default;
};

} // namespace stowly
