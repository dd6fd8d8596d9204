#pragma once

#include "report/Report.h"

#include <QByteArray>

namespace stowly {

// The machine forms of a report: CSV for spreadsheets and editors' tools (one row per file,
// RFC 4180, UTF-8), JSON for programs (the header, the totals and every file with its copies).
namespace ReportTables {
QByteArray csv(const Report& report);
QByteArray json(const Report& report);
} // namespace ReportTables

} // namespace stowly
