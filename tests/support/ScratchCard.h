#pragma once

#include "history/History.h"
#include "media/CardInventory.h"
#include "media/CardVolume.h"
#include "naming/PlannedFile.h"
#include "support/TestSupport.h"

#include <QList>
#include <QStringList>

namespace stowly {
class OffloadSession;
}

namespace stowly::test {

// A card folder with its own destination and history, scanned the way the model scans one.
struct ScratchCard {
    TempDir root;
    TempDir destination;
    TempDir home;
    CardVolume volume{root.path(), "CARD", QStringLiteral("1234-ABCD")};
    History ledger{home("ledger.json")};

    CardInventory scan();
    // The session's new files planned with the standard templates into the destination.
    QList<PlannedFile> plan(const OffloadSession& session) const;
};

} // namespace stowly::test
