#pragma once

#include "naming/PlannedFile.h"

#include <QList>
#include <QStringList>

namespace stowly {

// The shape of a plan for the folder summary.
namespace PlanLayout {
// The distinct destination folders in the order the plan first uses them.
QStringList folders(const QList<PlannedFile>& plan);
} // namespace PlanLayout

} // namespace stowly
