#pragma once

#include "copy/HistoryEntry.h"

#include <QString>

#include <optional>

namespace stowly {

// Where a run notes each copy down as it goes, so that the next start can finish or clean up
// what a run that was killed left: a verified copy that got its final name but no record, or a
// partial file. Called on the run's thread; each returns why the note could not be written.
// The journal stays append-only: notes are never changed, later ones settle earlier ones.
class CopyJournal {
public:
    virtual ~CopyJournal() = default;

    // Before the partial file of `destination` is made.
    virtual std::optional<QString> copying(const QString& destination,
                                           const QString& sourceKey) = 0;
    // Once the copy is written, before it is proved: the copy takes `entry.destinationPath`
    // only if it reads back as `entry.sha256`.
    virtual std::optional<QString> verifying(const HistoryEntry& entry) = 0;
    // The copy failed or was cancelled; nothing of it is left.
    virtual std::optional<QString> dropped(const QString& destination) = 0;
};

} // namespace stowly
