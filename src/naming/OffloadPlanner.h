#pragma once

#include "naming/PlannedFile.h"

#include <QString>

namespace stowly {

// Turns the files chosen for an offload into a plan of destination folders and names.
class OffloadPlanner {
public:
    // A location that is free at this moment: the planned one when neither it nor its partial
    // file exists, else "<stem>_2.<ext>", "_3"… in the same folder.
    static QString freeURL(const QString& path);
};

} // namespace stowly
