#pragma once

#include "devices/FormatOutcome.h"

#include <QString>

#include <optional>
#include <ostream>

// Readable failure messages for the values these tests compare.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace stowly {
inline void PrintTo(const FormatOutcome& outcome, std::ostream* os) {
    *os << outcome.description().toStdString();
}
} // namespace stowly
