#pragma once

#include "copy/CopyJournal.h"
#include "copy/LedgerEntry.h"
#include "copy/OffloadJob.h"
#include "copy/OffloadProgress.h"
#include "copy/OffloadSummary.h"
#include "media/Clip.h"

#include <QList>

#include <functional>
#include <stop_token>

namespace stowly {

// Runs one offload over a plan.
namespace Offloader {
using Progress = std::function<void(const OffloadProgress&)>;
using Record = std::function<void(const LedgerEntry&)>;

// Copies and verifies the plan's files one after another on the calling thread; a file that
// fails is listed and the next one is taken. `progress` runs at the start of each file,
// after every chunk, when the read-back starts and when the file is done; `record` once
// per verified file, before it counts as copied. Both run on this thread and the run
// waits for them. A stop request ends the run at the start of the next file or inside the
// copy, leaving no partial file. Never fails as a whole.
//
// With a journal, each copy is noted there before its partial file is made and again, with
// its digest, before the read-back. A copy whose second note cannot be written fails: it could
// not be proved remembered. A file whose bytes were not the size the scan planned fails as
// changed.
OffloadSummary run(const OffloadJob& job, const Progress& progress, const Record& record,
                   std::stop_token stop = {}, CopyJournal* journal = nullptr);
} // namespace Offloader

} // namespace stowly
