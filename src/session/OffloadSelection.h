#pragma once

#include "media/CardInventory.h"
#include "media/DateFilter.h"
#include "media/MediaCategory.h"
#include "media/ReoffloadMode.h"
#include "media/ShortClipRule.h"
#include "media/ShortClipSkip.h"

#include <QSet>

namespace stowly {

// What one offload of a card copies, and the counts that explain what it leaves out.
struct OffloadSelection {
    // New files first, then re-offloaded missing ones, then re-offloaded offloaded ones.
    QList<Clip> toCopy;
    QSet<QString> reoffloading;
    int offloadedKept = 0;
    int missingKept = 0;
    ShortClipSkip skippedShort;
    int outsideDates = 0;

    static OffloadSelection
    make(const CardInventory& inventory, const QSet<MediaCategory>& categories,
         ReoffloadMode reoffload, const QSet<QString>& reoffloadIDs, const ShortClipRule& shortRule,
         const QHash<QString, double>& durations, const QSet<QString>& includedShort,
         bool includeAll, const FileRules& rules, const DateFilter& dateFilter,
         const QDateTime& now, const QTimeZone& zone = QTimeZone::systemTimeZone());

    // The ids plus the ids of the sidecars of every clip among them.
    static QSet<QString> withSidecars(const QSet<QString>& ids, const QList<Clip>& files,
                                      const FileRules& rules);

    friend bool operator==(const OffloadSelection&, const OffloadSelection&) = default;
};

} // namespace stowly
