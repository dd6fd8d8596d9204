#pragma once

#include <QByteArray>

#include <optional>

namespace stowly {

// Reads how long a clip plays. Called from several threads at once.
class DurationReading {
public:
    virtual ~DurationReading() = default;
    // Seconds, or none when the duration cannot be read.
    virtual std::optional<double> duration(const QByteArray& url) = 0;
};

} // namespace stowly
