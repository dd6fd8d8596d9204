#pragma once

#include "copy/OffloadJob.h"
#include "copy/OffloadSummary.h"

#include <QStringList>

namespace stowly {

// The ASC MHL side of an offload: one generation of the history at the top of every
// destination that got verified copies, all named with the run's one start time.
namespace OffloadManifests {
// Why a destination's generation could not be written, one line each; the copies stand.
QStringList write(const OffloadJob& job, const OffloadSummary& summary);
} // namespace OffloadManifests

} // namespace stowly
