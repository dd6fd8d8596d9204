#pragma once

#include "media/DurationReading.h"

#include <QStringList>

#include <chrono>

namespace stowly {

// Reads a clip's container duration with libavformat, within a time limit: a file on a hung or
// very slow device gives none at the limit instead of holding the caller.
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
