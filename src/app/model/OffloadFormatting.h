#pragma once

#include "copy/OffloadProgress.h"
#include "copy/OffloadSummary.h"
#include "media/CardInventory.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace stowly {

// The words of a card's offload: its row in the card list, the time left while copying and
// the result once it ends. Shared by the window and the command line.
namespace OffloadFormatting {
// "No new files", "1 new file", "12 new files", or "<copied> copied" once an offload copied;
// then " · <n> ignored" when anything was ignored.
QString cardDetail(qsizetype newFiles, std::optional<qsizetype> copied, qsizetype ignored);
// What a card's row adds once its offload ended: " · 2 failed", " · cancelled", or
// " · ready to erase" when every file on the card has a verified copy.
QString cardResult(const OffloadSummary& summary, const CardInventory& inventory);
// Once a card's files have their first copies and backups are still being made from them:
// "“A7SIII” can be taken out — 2 backups are still being made".
QString safeToRemove(const QString& cardName, qsizetype backups);
// The backups made from first copies: "Backups from the first copy: 3 files left · 1.2 GB of
// 4 GB".
QString cascadeLine(qsizetype filesLeft, qint64 bytesDone, qint64 bytesTotal);
// Seconds left at the rate so far; none until there is a rate worth trusting.
std::optional<double> estimatedSecondsRemaining(qint64 bytesDone, qint64 bytesTotal,
                                                double elapsedSeconds);
// The time left in words for a run that started at `startedAt` (none: not yet started).
QString timeLeft(const OffloadProgress& progress, const std::optional<QDateTime>& startedAt,
                 const QDateTime& now);
// "Estimating time…", "Almost done", "Less than a minute left", "About 3 min left",
// "About 1 hr 5 min left".
QString etaText(std::optional<double> seconds);
// "3 copied · 2 skipped · 0 failed"
QString summaryLine(const OffloadSummary& summary);
// "Offload Cancelled", "Finished with Problems" or "Offload Complete"; a card that could not
// be read all through is never complete.
QString finishedTitle(const OffloadSummary& summary, bool cardReadThrough = true);
// The summary line, and that the card may be pulled when it was ejected afterwards.
QString finishedSubtitle(const OffloadSummary& summary, bool cardEjected);
// The copies are made and proved, but the history could not keep them.
QString historyNotSavedLine(const QString& why);
// What went wrong, one line each: the card that went away ("“A7SIII” was removed before 4
// files were copied. Put it back in to copy the rest.") with its files under it, indented,
// then each failed copy and each record that could not be written, then each destination whose
// copies could only be read back through a cache.
// A card that could not be read all through says so first, then a history that could not keep
// the copies.
QStringList problemLines(const OffloadSummary& summary, const QString& cardName,
                         const std::optional<QString>& readFailure = std::nullopt);
} // namespace OffloadFormatting

} // namespace stowly
