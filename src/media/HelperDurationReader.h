#pragma once

#include "media/DurationReading.h"

namespace stowly {

class DecoderHelpers;

// Reads a clip's duration in a decoding helper (DecoderHelpers), which gives up on a file after
// a few seconds: a clip that crashes or hangs the demuxer costs its duration and nothing else.
class HelperDurationReader : public DurationReading {
public:
    static constexpr int timeLimitMs = 5000;

    // Without helpers, the shared ones.
    explicit HelperDurationReader(DecoderHelpers* helpers = nullptr);

    std::optional<double> duration(const QByteArray& url) override;

private:
    DecoderHelpers& m_helpers;
};

} // namespace stowly
