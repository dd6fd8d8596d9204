#pragma once

#include "media/CardVolume.h"
#include "naming/PlannedFile.h"

#include <QList>
#include <QString>

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

    friend bool operator==(const OffloadJob&, const OffloadJob&) = default;
};

} // namespace stowly
