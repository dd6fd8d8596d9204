#pragma once

#include "report/Report.h"

#include <QHash>
#include <QImage>

namespace stowly {

// One small picture per photo or clip of a report, drawn by the confined decoding helper from
// the file's first proved copy that is still in place: the card may be long gone, and nothing
// in this process decodes what a card held. Files it cannot draw get none.
namespace ReportThumbnails {
inline constexpr int edge = 160;
// By row index.
QHash<qsizetype, QImage> draw(const Report& report, int threads = 3);
} // namespace ReportThumbnails

} // namespace stowly
