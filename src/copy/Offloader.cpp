#include "copy/Offloader.h"

#include "copy/OffloadRun.h"

namespace stowly {

OffloadSummary Offloader::run(const OffloadJob& job, const Progress& progress, const Record& record,
                              std::stop_token stop, CopyJournal* journal,
                              const FolderCalls& calls) {
    return OffloadRun(job, progress, record, std::move(stop), journal, calls).run();
}

} // namespace stowly
