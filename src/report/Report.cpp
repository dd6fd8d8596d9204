#include "report/Report.h"

namespace stowly {

qint64 Report::bytes() const {
    qint64 total = 0;
    for (const ReportRow& row : rows)
        total += row.size;
    return total;
}

std::optional<double> Report::megabytesPerSecond() const {
    qint64 copied = 0;
    qint64 milliseconds = 0;
    for (const RunRecord& run : runs)
        if (run.startedAt.isValid() && run.endedAt > run.startedAt) {
            copied += run.bytesCopied();
            milliseconds += run.startedAt.msecsTo(run.endedAt);
        }
    if (milliseconds <= 0 || copied <= 0)
        return std::nullopt;
    return double(copied) / 1e6 / (double(milliseconds) / 1000.0);
}

} // namespace stowly
