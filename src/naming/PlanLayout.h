#pragma once

#include "naming/PlannedFile.h"

#include <QList>
#include <QStringList>

namespace stowly {

// The shape of a plan for the folder summary.
class PlanLayout {
public:
    // The distinct destination folders in the order the plan first uses them.
    static QStringList folders(const QList<PlannedFile>& plan);
};

} // namespace stowly
