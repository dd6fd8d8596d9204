#pragma once

#include "copy/HashFormat.h"
#include "media/CardVolume.h"
#include "naming/PlannedFile.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace stowly {

// Everything one offload run needs, taken as a snapshot when the run starts.
struct OffloadJob {
    CardVolume card;
    // In copy order.
    QList<PlannedFile> plan;
    // The destination root folder.
    QString destination;
    // Files of the card the session counts as skipped (already offloaded or with a missing
    // copy); the summary reports this number as it is.
    int alreadyOffloaded = 0;
    // Further destination roots: every file gets a copy at each, under the same relative path.
    QStringList backups;
    // Files that already have good copies at some destinations, by their relative path on the
    // card: the roots that still lack one. A file not listed goes to every destination.
    QHash<QString, QStringList> missingAt;
    // After a file's copies are verified, its bytes are read from the card once more and must
    // give the same digest.
    bool verifySource = false;
    // Take the XXH3-128 of every file from the same read as SHA-256, for the ASC MHL histories.
    bool xxh128 = false;
    // With it, these other formats from the same read too (xxh128 itself is not among them).
    QList<HashFormat> otherHashes;
    // When the run began: one time for every record the run writes.
    QDateTime startedAt;

    // The main destination first, each folder once.
    QStringList destinations() const {
        QStringList all{destination};
        for (const QString& backup : backups)
            if (!all.contains(backup))
                all << backup;
        return all;
    }

    friend bool operator==(const OffloadJob&, const OffloadJob&) = default;
};

} // namespace stowly
