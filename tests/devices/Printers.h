#pragma once

#include "devices/FormatOutcome.h"
#include "support/Printing.h"

#include <ostream>

namespace stowly {
// Readable failure messages for the outcomes these tests compare.
inline void PrintTo(const FormatOutcome& outcome, std::ostream* os) {
    *os << outcome.description().toStdString();
}
} // namespace stowly
