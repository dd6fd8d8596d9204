#pragma once

#include <QHash>
#include <QString>

#include <chrono>

namespace stowly {

// Allows one prompt per card within an interval.
struct MountDebouncer {
    using Clock = std::chrono::steady_clock;

    std::chrono::duration<double> interval{20.0};
    QHash<QString, Clock::time_point> lastPrompt;

    // True (and remembers now) unless the key was let through less than interval ago.
    bool shouldPrompt(const QString& key, Clock::time_point now = Clock::now());
};

} // namespace stowly
