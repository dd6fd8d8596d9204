#pragma once

#include "media/MediaCategory.h"

#include <QDateTime>
#include <QHashFunctions>
#include <QString>

namespace stowly {

// One verified copy in the offload history.
struct HistoryEntry {
    QString sourceKey;
    QString cardName;
    QString sourceRelativePath;
    QString destinationPath;
    qint64 size = 0;
    QString sha256;
    QDateTime offloadedAt;
    // The station that made and verified the copy, as a shared history names it; empty for
    // this station's own records.
    QString station;

    // sourceKey, U+0000, destinationPath
    QString id() const;
    // From the copy's extension, else the source's.
    MediaCategory category() const;

    friend bool operator==(const HistoryEntry&, const HistoryEntry&) = default;
};

size_t qHash(const HistoryEntry& entry, size_t seed = 0);

} // namespace stowly
