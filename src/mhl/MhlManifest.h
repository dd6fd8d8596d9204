#pragma once

#include "copy/HashFormat.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace stowly {

// One ASC MHL manifest (a hashlist of version 2.0): who wrote it, how, and the hashes of the
// files and folders it records. Paths are relative to the folder whose history it belongs to,
// with "/" between components.
struct MhlManifest {
    enum class Process { inPlace, transfer, flatten };
    enum class Action { original, verified, failed };

    struct Hash {
        HashFormat format = HashFormat::xxh128;
        QString value;
        // Files carry one; folder hashes none.
        std::optional<Action> action;
        std::optional<QDateTime> hashDate;

        friend bool operator==(const Hash&, const Hash&) = default;
    };
    struct File {
        QString path;
        std::optional<qint64> size;
        std::optional<QDateTime> creationDate;
        std::optional<QDateTime> lastModificationDate;
        // In manifest order, at most one of each format.
        QList<Hash> hashes;

        friend bool operator==(const File&, const File&) = default;
    };
    struct Directory {
        // Empty for the root hash.
        QString path;
        std::optional<QDateTime> lastModificationDate;
        QList<Hash> content;
        QList<Hash> structure;

        friend bool operator==(const Directory&, const Directory&) = default;
    };
    // A nested history's manifest, named by its path and the C4 id of its bytes.
    struct Reference {
        QString path;
        QString c4;

        friend bool operator==(const Reference&, const Reference&) = default;
    };

    QDateTime creationDate;
    QString hostName;
    QString toolName;
    QString toolVersion;
    QString comment;
    Process process = Process::inPlace;
    std::optional<Directory> rootHash;
    QStringList ignorePatterns;
    QList<File> files;
    QList<Directory> directories;
    QList<Reference> references;

    friend bool operator==(const MhlManifest&, const MhlManifest&) = default;

    static QString processName(Process process);
    static QString actionName(Action action);
};

} // namespace stowly
