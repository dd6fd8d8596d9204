#pragma once

#include "media/Clip.h"

#include <QList>

// The one canonical order of card files that the planner, the selection, the short-clip rule,
// the date filter and the lists all sort with.
namespace stowly::clipOrder {

// Ascending by (creation date, else modification date, else now; then relative path). Stable.
QList<Clip> order(QList<Clip> clips);
bool orderedBefore(const Clip& a, const Clip& b, qint64 nowMSecs);

} // namespace stowly::clipOrder
