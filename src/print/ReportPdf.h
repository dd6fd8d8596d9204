#pragma once

#include "report/Report.h"

#include <QHash>
#include <QImage>
#include <QString>

#include <optional>

namespace stowly {

// The report as a PDF for paper: A4 across, every page headed by the report's title and
// numbered "Page n of N"; the file table breaks between rows and repeats its header row.
namespace ReportPdf {
// The failure in words, or nothing.
std::optional<QString> write(const Report& report, const QHash<qsizetype, QImage>& thumbnails,
                             const QString& path);
} // namespace ReportPdf

} // namespace stowly
