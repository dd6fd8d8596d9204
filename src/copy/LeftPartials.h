#pragma once

#include <QString>
#include <QStringList>

namespace stowly {

// Partial files this process could not remove after a failed copy (their share stopped
// answering), by the final path they were meant for. The next run removes them once their
// folder answers again, instead of leaving them to the next start of the program.
namespace LeftPartials {
void add(const QString& destination);
// Those still waiting, taken out of the list.
QStringList take();
} // namespace LeftPartials

} // namespace stowly
