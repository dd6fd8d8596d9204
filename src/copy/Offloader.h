#pragma once

#include "media/Clip.h"

#include <QList>

namespace stowly {

// Runs one offload over a plan. Also owns the one canonical order of card files that the
// planner, the selection, the short-clip rule, the date filter and the lists all sort with.
class Offloader {
public:
    // Ascending by (creation date, else modification date, else now; then relative path).
    // Stable.
    static QList<Clip> order(QList<Clip> clips);
    static bool orderedBefore(const Clip& a, const Clip& b, qint64 nowMSecs);
};

} // namespace stowly
