#pragma once

#include <QString>

namespace stowly {

class DurationFormatting {
public:
    // "1 second", "5 seconds": whole seconds, truncated.
    static QString threshold(double seconds);
    // "0:59", "1:01:01"
    static QString shortText(double seconds);
};

} // namespace stowly
