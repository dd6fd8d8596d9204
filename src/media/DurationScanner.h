#pragma once

#include "media/Clip.h"
#include "media/DurationReading.h"

#include <QHash>
#include <QList>

#include <optional>

namespace stowly {

// Reads the durations of a card's video clips, a few at a time, remembering every reading.
namespace DurationScanner {
// History key → duration; a key without a value is known to be unreadable.
using Cache = QHash<QString, std::optional<double>>;

struct Result {
    QHash<QString, double> byPath; // relative path → seconds, for known durations
    Cache fresh;                   // readings made now, by history key
};

// Only video clips are read; at most `width` readings run at once.
Result read(const QList<Clip>& clips, const QString& volumeIdentity, const Cache& cache,
            DurationReading& reader, int width);
} // namespace DurationScanner

} // namespace stowly
