#pragma once

#include "media/DurationReading.h"

#include <QStringList>

#include <chrono>

namespace stowly {

// Reads a clip's container duration with libavformat, in the decoding helper. What libavformat
// does itself stops at the time limit; the helper's caller ends a helper blocked past it.
class FFmpegDurationReader : public DurationReading {
public:
    explicit FFmpegDurationReader(std::chrono::milliseconds timeout = std::chrono::seconds(3))
        : m_timeout(timeout) {}

    std::optional<double> duration(const QByteArray& url) override;

    // Camera raw formats the demuxers cannot open: answered at once.
    static const QStringList& unreadableExtensions();

private:
    std::chrono::milliseconds m_timeout;
};

} // namespace stowly
