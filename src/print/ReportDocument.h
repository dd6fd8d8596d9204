#pragma once

#include "report/Report.h"

#include <QHash>
#include <QImage>
#include <QString>

namespace stowly {

// A report for people, as HTML that a browser shows and Qt's text document lays out for the
// PDF alike: the header (the card, who, where, how every copy was proved, what failed), the
// totals per destination, then one row per file with its picture, digests and copies.
namespace ReportDocument {
enum class Pictures {
    // Each picture inside the page as a data: address: one self-contained file.
    inlined,
    // Each picture named "thumb:<row>", for a text document's resources.
    named,
};
QString html(const Report& report, const QHash<qsizetype, QImage>& thumbnails, Pictures pictures);
// The line repeated at the top of every PDF page.
QString pageHeading(const Report& report);
} // namespace ReportDocument

} // namespace stowly
