#pragma once

#include "copy/OffloadProgress.h"
#include "copy/OffloadSummary.h"

#include <QString>

#include <optional>

namespace stowly {

// The words of an offload's progress and result.
namespace ProgressText {
// Seconds left at the rate so far; none until there is a rate worth trusting.
std::optional<double> estimatedSecondsRemaining(qint64 bytesDone, qint64 bytesTotal,
                                                double elapsedSeconds);
// "Estimating time…", "Almost done", "Less than a minute left", "About 3 min left",
// "About 1 hr 5 min left".
QString etaText(std::optional<double> seconds);
// "3 copied · 2 skipped · 0 failed"
QString summaryLine(const OffloadSummary& summary);
// "Offload Cancelled", "Finished with Problems" or "Offload Complete".
QString summaryTitle(const OffloadSummary& summary);

// The live line on a terminal: a bar, files and bytes done, the current file, whether it
// is being verified, and the time left; cut to `width` characters.
QString barLine(const OffloadProgress& progress, double elapsedSeconds, int width);
// One line per finished file where there is no terminal: "3/10 DCIM/C0003.MP4 → <copy>",
// or the file's path and "failed" when it was not copied.
QString fileLine(const OffloadProgress& progress, const std::optional<QString>& copiedTo);
} // namespace ProgressText

} // namespace stowly
