#pragma once

#include "media/ScanFailure.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace stowly {

struct CardInventory;
struct ShortClipSkip;

// How ready a card is to be erased.
struct FormatReadiness {
    int fileCount = 0;
    qint64 totalBytes = 0;
    // New files that are not short-clip skips.
    int notOffloaded = 0;
    // Offloaded files whose copy is gone.
    int missingCopies = 0;
    // Offloaded files whose only copies are other stations' that this one cannot see, and
    // so cannot check.
    int uncheckedCopies = 0;
    std::optional<QString> copiesFolder;
    // New files left on the card as short clips or their sidecars…
    int shortSkippedFiles = 0;
    // …and of those, the clips themselves.
    int shortSkippedClips = 0;
    int ignoredItems = 0;
    // The card's clips read as possibly damaged, by name, in the card's order: the camera may
    // still repair them, but not once the card is erased.
    QStringList damagedClips;
    // The scan could not read all of the card: whatever the counts say, it is not ready.
    std::optional<ScanFailure> unreadable;

    FormatReadiness() = default;
    FormatReadiness(const CardInventory& inventory, const ShortClipSkip& skipped);

    // Why the card is not ready yet ("3 files not yet offloaded", or that it could not be read);
    // none when nothing waits.
    std::optional<QString> pendingText() const;
    // Every file on the card has a verified copy, and the whole card was read.
    bool allVerified() const;

    // The last check on a fresh scan just before the erase: the whole card read, nothing
    // missing, something on the card, and every new file one the user agreed to lose (its
    // history key in discarding).
    static bool stillReady(const CardInventory& inventory, const QString& volumeIdentity,
                           const QSet<QString>& discarding);

    friend bool operator==(const FormatReadiness&, const FormatReadiness&) = default;
};

} // namespace stowly
