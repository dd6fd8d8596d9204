#include "app/model/CardScan.h"

#include "media/ClipScanner.h"

namespace stowly {

CardInventory CardScan::inventory(const CardVolume& card, const HistoryIndex& history,
                                  const FileRules& rules, const QStringList& backups) {
    const ClipScanner::Result report =
        ClipScanner::scanReport(card.url, ClipScanner::allCategories(), rules);
    CardInventory inventory =
        CardInventory::classify(report.clips, card.volumeIdentity(), history.lookup(),
                                CardInventory::diskFileSize, backups);
    inventory.ignored = report.ignored;
    inventory.unreadable = report.failure;
    return inventory;
}

CardScan::Result CardScan::run(const Input& input) {
    Result result;
    result.inventory = inventory(input.card, input.history, input.rules, input.backups);
    if (input.reader) {
        const DurationScanner::Result read = DurationScanner::read(
            result.inventory.newFiles + result.inventory.missing, input.card.volumeIdentity(),
            input.durations, *input.reader, durationWidth);
        result.durations = read.byPath;
        result.fresh = read.fresh;
    }
    return result;
}

CardInventory CardScan::reclassify(const CardInventory& old, const QString& volumeIdentity,
                                   const HistoryIndex& history, const QStringList& backups) {
    CardInventory inventory = CardInventory::classify(
        old.allClips(), volumeIdentity, history.lookup(), CardInventory::diskFileSize, backups);
    inventory.ignored = old.ignored;
    inventory.unreadable = old.unreadable;
    return inventory;
}

} // namespace stowly
