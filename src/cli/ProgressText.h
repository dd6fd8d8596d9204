#pragma once

#include "copy/OffloadProgress.h"

#include <QString>

#include <optional>

namespace stowly {

// An offload's progress on a terminal; the words it shares with the window are
// OffloadFormatting's.
namespace ProgressText {
// The live line on a terminal: a bar, files and bytes done, the current file, whether it
// is being verified, and the time left; cut to `width` characters.
QString barLine(const OffloadProgress& progress, double elapsedSeconds, int width);
// One line per finished file where there is no terminal: "3/10 DCIM/C0003.MP4 → <copy>",
// or the file's path (`id`) and "failed" when it was not copied.
QString fileLine(const OffloadProgress& progress, const QString& id,
                 const std::optional<QString>& copiedTo);
} // namespace ProgressText

} // namespace stowly
