#include "support/ScratchCard.h"

#include "media/ClipScanner.h"
#include "naming/OffloadPlanner.h"
#include "session/OffloadSession.h"

namespace stowly::test {

CardInventory ScratchCard::scan() {
    const auto report =
        ClipScanner::scanReport(root.path(), ClipScanner::allCategories(), FileRules::standard());
    CardInventory inventory =
        CardInventory::classify(report.clips, volume.volumeIdentity(),
                                ledger.entriesByKey().lookup(), CardInventory::diskFileSize);
    inventory.ignored = report.ignored;
    return inventory;
}

QList<PlannedFile> ScratchCard::plan(const OffloadSession& session) const {
    return OffloadPlanner::plan(session.newClips(), NamingTemplates::standard(),
                                NamingContext{"Coastline", "", "CARD"}, FileRules::standard(),
                                OffloadPlanner::diskLister(destination.path()));
}

} // namespace stowly::test
