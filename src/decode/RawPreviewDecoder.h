#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>
#include <stop_token>

namespace stowly {

// The preview a raw photo carries (a JPEG or a bitmap), upright and fitted within a square of
// the given edge. The raw data itself is never developed.
struct RawPreviewDecoder {
    static std::optional<QImage> decode(const QByteArray& path, int edge, std::stop_token stop);
};

} // namespace stowly
