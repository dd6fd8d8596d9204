#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHashFunctions>
#include <QString>

#include <optional>

namespace stowly {

// One regular file on a mounted card.
struct Clip {
    // Absolute location on the mounted volume, as the file system's bytes: a name that is not
    // valid UTF-8 must still be opened exactly.
    QByteArray url;
    // Path below the volume root with "/" separators and no leading "/"; the clip's identity.
    QString relativePath;
    qint64 size = 0;
    std::optional<QDateTime> creationDate;
    std::optional<QDateTime> modificationDate;

    const QString& id() const { return relativePath; }
    // Last path component of the relative path, as text.
    QString fileName() const;
    // The location as text, for messages and logs.
    QString displayPath() const;
    // "<identity>|<relative path>|<size>|<whole seconds of mtime, or nodate>"
    QString historyKey(const QString& volumeIdentity) const;

    friend bool operator==(const Clip&, const Clip&) = default;
};

size_t qHash(const Clip& clip, size_t seed = 0);

// Whole seconds since 1970 UTC, rounded towards negative infinity.
qint64 floorSeconds(const QDateTime& date);

} // namespace stowly
