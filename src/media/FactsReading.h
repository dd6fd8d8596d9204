#pragma once

#include "media/MediaFacts.h"

#include <QByteArray>

#include <optional>

namespace stowly {

// Reads what a card file holds. Called from several threads at once.
class FactsReading {
public:
    virtual ~FactsReading() = default;
    // None when the reading failed (the reader crashed or ran out of time): that says nothing
    // about the file. Empty facts when it holds nothing to tell.
    virtual std::optional<MediaFacts> facts(const QByteArray& url) = 0;
};

} // namespace stowly
