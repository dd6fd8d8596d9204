#pragma once

#include "history/HistoryRecords.h"
#include "history/RunRecord.h"
#include "report/Report.h"

#include <QString>

#include <variant>

namespace stowly {

// Gathers a report's rows from the run records and the history. The runs give what the history
// has no room for (the run around the copies, xxh128, what is on each file); the history gives
// every verified copy, also those made before runs were recorded and the backups a cascade
// proved after its run ended.
namespace ReportBuilder {
// The report, or why there is none, in the system's words.
std::variant<Report, QString> build(const ReportScope& scope, const QList<RunRecord>& runs,
                                    const HistoryRecords& history);
} // namespace ReportBuilder

} // namespace stowly
