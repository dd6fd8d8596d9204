#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>
#include <stop_token>

namespace stowly {

// One frame of a video, a little way in (a tenth of the clip, at most a second), upright and
// fitted within a square of the given edge.
struct VideoFrameDecoder {
    static std::optional<QImage> decode(const QByteArray& path, int edge, std::stop_token stop);
};

} // namespace stowly
