#pragma once

#include "media/MediaFacts.h"

#include <QByteArray>

#include <optional>
#include <stop_token>

namespace stowly {

// Reads what a card file holds. Called from several threads at once.
class FactsReading {
public:
    virtual ~FactsReading() = default;
    // None when the reading failed (the reader crashed or ran out of time): that says nothing
    // about the file. Empty facts when it holds nothing to tell. A stop ends the reading at once
    // with none, and nothing is left holding the file open.
    virtual std::optional<MediaFacts> facts(const QByteArray& url, std::stop_token stop = {}) = 0;
};

} // namespace stowly
