#pragma once

#include "copy/HistoryEntry.h"
#include "media/CardVolume.h"
#include "media/MediaFacts.h"
#include "naming/PlannedFile.h"

#include "devices/DiskTool.h"

#include <QHash>
#include <QString>

#include <optional>

namespace stowly {

class OffloadSession;

// What the commands print for people, without --json.
namespace TextOutput {
QString cards(const QList<CardVolume>& cards);
QString unmountedCards(const QList<DiskTool::UnmountedCard>& cards);
// With a line for each clip that may be damaged.
QString scan(const OffloadSession& session, const std::optional<QString>& blocker,
             const QHash<QString, MediaFacts>& facts = {});
QString plan(const QString& destination, const QList<PlannedFile>& files);
// "2024-05-01 14:03  CARD  DCIM/C0001.MP4 → /Footage/…" in local time.
QString historyLine(const HistoryEntry& entry);
// "“CARD” at /media/CARD (identity …)"
QString cardLine(const CardVolume& card);
} // namespace TextOutput

} // namespace stowly
