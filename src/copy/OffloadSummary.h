#pragma once

#include <QString>
#include <QStringList>

namespace stowly {

// How a run ended.
struct OffloadSummary {
    // Copied, verified and recorded in this run.
    int copied = 0;
    // The job's alreadyOffloaded; the run never adds to it.
    int skipped = 0;
    int failed = 0;
    // The run stopped before every file was taken.
    bool cancelled = false;
    // One line per failed file, in copy order: "<relative path>: <what went wrong>".
    QStringList failures;

    friend bool operator==(const OffloadSummary&, const OffloadSummary&) = default;
};

} // namespace stowly
