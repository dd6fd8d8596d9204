#pragma once

#include "media/FactsReading.h"

namespace stowly {

class DecoderHelpers;

// Reads a file's facts in a decoding helper. Without helpers given, in helpers of its own that
// run at the lowest CPU and I/O priority, so that reading a card's facts gives way to a copy.
class HelperFactsReader : public FactsReading {
public:
    static constexpr int timeLimitMs = 5000;

    explicit HelperFactsReader(DecoderHelpers* helpers = nullptr);

    std::optional<MediaFacts> facts(const QByteArray& url, std::stop_token stop = {}) override;

private:
    DecoderHelpers& m_helpers;
};

} // namespace stowly
