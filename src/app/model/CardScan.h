#pragma once

#include "history/HistoryIndex.h"
#include "media/CardInventory.h"
#include "media/CardVolume.h"
#include "media/DurationReading.h"
#include "media/DurationScanner.h"
#include "media/FileRules.h"

class QString;

#include <memory>

namespace stowly {

// The background work of selecting a card: walk it, split it against a snapshot of the
// history, and read the durations of its new and missing clips. Touches nothing shared.
class ServerHistory;

namespace CardScan {
// Other stations' copies, asked of the shared history on the scan's own thread.
struct OtherStations {
    std::shared_ptr<ServerHistory> server;
    // Their copies that this station cannot see count as checked.
    bool trusted = false;
};

struct Input {
    CardVolume card;
    HistoryIndex history;
    DurationScanner::Cache durations;
    std::shared_ptr<DurationReading> reader;
    FileRules rules;
    // The backup destinations a file must have copies at too.
    QStringList backups;
    OtherStations others;
};
struct Result {
    CardInventory inventory;
    QHash<QString, double> durations; // by relative path
    DurationScanner::Cache fresh;     // new readings, by history key
};

Result run(const Input& input);
// Only the walk and the split, for the check just before an erase.
CardInventory inventory(const CardVolume& card, const HistoryIndex& history, const FileRules& rules,
                        const QStringList& backups = {}, const OtherStations& others = {});
// The same clips classified again against a newer history; the ignored paths and a failure to
// read the card carried over.
CardInventory reclassify(const CardInventory& old, const QString& volumeIdentity,
                         const HistoryIndex& history, const QStringList& backups = {},
                         const OtherStations& others = {});

inline constexpr int durationWidth = 4;
} // namespace CardScan

} // namespace stowly
