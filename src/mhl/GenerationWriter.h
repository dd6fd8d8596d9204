#pragma once

#include "mhl/MhlManifest.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>

namespace stowly {

// Records one operation's files as the next generation of a folder's ASC MHL history,
// creating the history when there is none: the manifest with the files' XXH3-128 values and
// any other formats taken with them, then the chain.
class GenerationWriter {
public:
    struct File {
        // Relative to the folder, "/" between components.
        QString relativePath;
        qint64 size = 0;
        QDateTime modified;
        // 32 lower-case hex digits.
        QString xxh128;
        // When the value was computed.
        QDateTime hashDate;
        // Other formats taken from the same read, by element name ("md5", "c4"); each is
        // written beside xxh128.
        QMap<QString, QString> hashes;
    };
    struct Info {
        // Taken once when the operation began; names the manifest and dates it.
        QDateTime startedAt;
        MhlManifest::Process process = MhlManifest::Process::transfer;
        QString comment;
        // The machine's host name when empty.
        QString hostName;
        // Set when `files` are every file of the folder: the folder hashes are written too.
        bool coversWholeFolder = false;
    };

    // The manifest for `files`; `ignorePatterns` are the folder's (the defaults at least).
    static MhlManifest manifest(const QList<File>& files, const Info& info,
                                const QStringList& ignorePatterns);

    // Appends the generation to the history of `folder`. A history that cannot be read is not
    // appended to. Returns the failure in words, or nothing.
    static std::optional<QString> write(const QString& folder, const QList<File>& files,
                                        const Info& info);
};

} // namespace stowly
