#pragma once

#include "copy/ReadBack.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace stowly {

// One copy of one file at one destination.
struct CopyOutcome {
    // The file's relative path on the card.
    QString sourceRelativePath;
    // The destination root it went to.
    QString destination;
    // Where the copy is, or was meant to be.
    QString path;
    // Why it failed; none for a verified copy.
    std::optional<QString> failure;
    // Of a verified copy: its size and modification time, and when the run asked for it, the
    // XXH3-128 of the bytes read from the card (hex) with the time it was taken.
    qint64 size = 0;
    QDateTime modified;
    QString xxh128;
    // Other formats taken from the same read for the ASC MHL histories, by their manifest
    // element name ("md5", "sha1", "xxh64", "c4"), hex or a C4 id.
    QMap<QString, QString> hashes;
    QDateTime hashedAt;
    // Of a verified copy: where the read-back that proved it came from.
    std::optional<ReadBack> readBack;

    friend bool operator==(const CopyOutcome&, const CopyOutcome&) = default;
};

// How a run ended.
struct OffloadSummary {
    // Copied, verified and recorded in this run at every destination it went to.
    int copied = 0;
    // The job's alreadyOffloaded; the run never adds to it.
    int skipped = 0;
    // Files with at least one failed copy.
    int failed = 0;
    // The run stopped before every file was taken.
    bool cancelled = false;
    // One line per failed copy, in copy order: "<relative path>: <what went wrong>", with
    // several destinations "<relative path> at <destination>: <what went wrong>".
    QStringList failures;
    // Every copy the run finished or failed, in copy order, each destination's in the order of
    // the job's destinations.
    QList<CopyOutcome> copies;
    // The card went away (pulled or unmounted) before these files were copied, in copy order;
    // the run stopped there. They count as failed, and are not in `failures`.
    QStringList leftOnRemovedCard;
    // Records of the run that could not be written beside the copies (the ASC MHL histories),
    // one line each; the copies themselves stand.
    QStringList recordFailures;
    // Why the history could not keep verified copies of the run (the system's words). The copies
    // stand, but nothing remembers them: the card is not ready to erase for them.
    std::optional<QString> historyNotSaved;
    // Why the program run after the offload failed; it changes nothing else of the run.
    std::optional<QString> afterwardsFailed;

    friend bool operator==(const OffloadSummary&, const OffloadSummary&) = default;
};

} // namespace stowly
