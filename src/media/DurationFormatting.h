#pragma once

#include <QString>

namespace stowly {

namespace DurationFormatting {
// "1 second", "5 seconds": whole seconds, truncated.
QString threshold(double seconds);
// "0:59", "1:01:01"
QString shortText(double seconds);
} // namespace DurationFormatting

} // namespace stowly
