#pragma once

#include "media/Clip.h"
#include "media/FactsReading.h"
#include "media/MediaFacts.h"

#include <QHash>
#include <QList>
#include <QThreadPool>

#include <functional>
#include <stop_token>

namespace stowly {

// Reads the facts of a card's clips and photos, a few at a time, remembering every reading.
namespace FactsScanner {
// History key → facts; empty facts for a file that told nothing or could not be read.
using Cache = QHash<QString, MediaFacts>;

struct Batch {
    QHash<QString, MediaFacts> byPath; // relative path → facts
    Cache fresh;                       // readings made now, by history key
};

struct Options {
    // Readings at once.
    int width = 2;
    std::stop_token stop;
    // Asked before each file; while it says no, reading waits (a copy from the card runs).
    std::function<bool()> mayRead;
    // How long readings gather before they are handed on.
    int batchMs = 250;
};

// Only video clips and photos are read, in the order given. `deliver` gets what the cache
// already knew first, then the readings as they come, in batches, one call at a time; it is
// called from the reading threads. Returns once everything was read or the stop came.
void read(const QList<Clip>& clips, const QString& volumeIdentity, const Cache& cache,
          FactsReading& reader, const Options& options, const std::function<void(Batch)>& deliver);

// Where readings run, their caller too: they wait on the card, and while a copy runs for a long
// time, so they stay off the global pool that short tasks need.
QThreadPool& pool();
} // namespace FactsScanner

} // namespace stowly
