#include "app/model/CardScan.h"

#include "base/Log.h"
#include "history/ServerHistory.h"
#include "media/ClipScanner.h"

namespace stowly {
namespace {

// The history with the other stations' copies of the card, when a shared history answers; a
// server that does not leaves this station's own history, which is never less safe.
HistoryIndex withOthers(const HistoryIndex& history, const QString& volumeIdentity,
                        const CardScan::OtherStations& others) {
    if (!others.server)
        return history;
    QString error;
    const std::optional<QList<HistoryEntry>> records =
        others.server->otherStationsRecords(volumeIdentity, &error);
    if (!records) {
        Log::info(Log::Category::app, error);
        return history;
    }
    return history.withOtherStations(*records);
}

} // namespace

CardInventory CardScan::inventory(const CardVolume& card, const HistoryIndex& history,
                                  const FileRules& rules, const QStringList& backups,
                                  const OtherStations& others) {
    const ClipScanner::Result report =
        ClipScanner::scanReport(card.url, ClipScanner::allCategories(), rules);
    const HistoryIndex index = withOthers(history, card.volumeIdentity(), others);
    CardInventory inventory =
        CardInventory::classify(report.clips, card.volumeIdentity(), index.lookup(),
                                CardInventory::diskFileSize, backups, others.trusted);
    inventory.ignored = report.ignored;
    inventory.unreadable = report.failure;
    return inventory;
}

CardScan::Result CardScan::run(const Input& input) {
    Result result;
    result.inventory =
        inventory(input.card, input.history, input.rules, input.backups, input.others);
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
                                   const HistoryIndex& history, const QStringList& backups,
                                   const OtherStations& others) {
    const HistoryIndex index = withOthers(history, volumeIdentity, others);
    CardInventory inventory =
        CardInventory::classify(old.allClips(), volumeIdentity, index.lookup(),
                                CardInventory::diskFileSize, backups, others.trusted);
    inventory.ignored = old.ignored;
    inventory.unreadable = old.unreadable;
    return inventory;
}

} // namespace stowly
