#pragma once

#include "copy/CopyJournal.h"
#include "copy/FolderCalls.h"
#include "copy/HistoryEntry.h"
#include "copy/OffloadJob.h"
#include "copy/OffloadProgress.h"
#include "copy/OffloadSummary.h"
#include "media/Clip.h"

#include <QList>
#include <QMap>

#include <functional>
#include <stop_token>

namespace stowly {

// Runs one offload over a plan.
namespace Offloader {
using Progress = std::function<void(const OffloadProgress&)>;
// A verified copy, with the XXH3-128 of the bytes read from the card when the job takes it and
// the job's other formats by their element names.
using Record = std::function<void(const HistoryEntry&, const QString& xxh128,
                                  const QMap<QString, QString>& hashes)>;

// Copies the plan's files one after another on the calling thread; a file that fails is
// listed and the next one is taken. Each file's copies are proved (flushed, read back, renamed)
// on a thread of their own while the next file is copied, so a file may be counted while a
// later one is being copied; files are still counted in plan order. `progress` runs at the start
// of each file, after every chunk, when its bytes are all written and when it is counted;
// `record` once per verified copy, before its file counts as copied and never before that copy
// is proved. Both run on this thread and the run waits for them. A stop request ends the run at
// the start of the next file or inside its copy, leaving no partial file; copies already written
// are proved and recorded first. Never fails as a whole.
//
// With a journal, each copy is noted there before its partial file is made and again, with
// its digest, once it is written and before it can take its final name. A copy whose second note
// cannot be written is made and proved all the same; whether the history keeps it is for `record`
// to tell. A file whose bytes were not the size the scan planned fails as changed. Each name is
// held from its choice until its partial file is made (see NameClaim), so runs into the same
// folders at once, in this process or another, never take the same one. `calls` are the
// destination folder's operations (see FolderCalls).
OffloadSummary run(const OffloadJob& job, const Progress& progress, const Record& record,
                   std::stop_token stop = {}, CopyJournal* journal = nullptr,
                   const FolderCalls& calls = FolderCalls::system());
} // namespace Offloader

} // namespace stowly
