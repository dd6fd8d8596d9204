#pragma once

#include "copy/HistoryEntry.h"
#include "copy/OffloadSummary.h"
#include "media/CardVolume.h"
#include "media/MediaFacts.h"
#include "naming/PlannedFile.h"
#include "session/CascadeQueue.h"

#include "devices/DiskTool.h"

#include <QJsonArray>
#include <QJsonObject>

#include <optional>

namespace stowly {

class OffloadSession;

// The documents --json prints; their keys are what scripts read, so they never change.
namespace JsonOutput {
// {"path", "name", "identity"}
QJsonObject card(const CardVolume& card);
// The mounted cards, then those nothing has mounted; each says how disks are reached.
QJsonArray cards(const QList<CardVolume>& cards, const QList<DiskTool::UnmountedCard>& unmounted,
                 const QString& backend);
// {"path", "size", "category", "role", "duration" or null}
QJsonObject clip(const Clip& clip, const OffloadSession& session);
// The card, its files split by history, what the selection takes and leaves, and the
// reason the offload cannot start.
// Each file with what it holds (`facts`, MediaFacts::toJson; empty while not read).
QJsonObject scan(const OffloadSession& session, const std::optional<QString>& blocker,
                 const QHash<QString, MediaFacts>& facts = {});
QJsonObject plan(const std::optional<QString>& destination, const QList<PlannedFile>& files,
                 const std::optional<QString>& blocker);
// The summary and the copies made in the run.
QJsonObject offload(const OffloadSummary& summary, const QList<HistoryEntry>& copies);
// The backups made from first copies: how many were proved, how many are left for the next
// start, and what failed.
QJsonObject cascade(int copied, qsizetype left, const QList<CascadeQueue::Failure>& failures,
                    const QStringList& manifestFailures);

// Indented UTF-8 with a final line break.
QByteArray text(const QJsonObject& object);
QByteArray text(const QJsonArray& array);
} // namespace JsonOutput

} // namespace stowly
