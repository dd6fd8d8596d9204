#pragma once

#include "naming/DestinationNameRules.h"

#include <QStringList>

namespace stowly {

class VolumeFacts;

// The names the destinations of an offload can hold, told from the file systems they lie on.
namespace DestinationNames {
// What every one of the roots allows, since one plan's names go to all of them. A root not yet
// made is judged by the nearest folder above it that exists; one whose file system cannot be
// told adds nothing.
DestinationNameRules rules(const QStringList& roots, const VolumeFacts& volumes);
} // namespace DestinationNames

} // namespace stowly
