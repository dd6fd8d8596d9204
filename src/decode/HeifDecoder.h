#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>
#include <stop_token>

namespace stowly {

// A HEIF/HEIC photo: its stored thumbnail when that is large enough, else the image itself,
// upright and fitted within a square of the given edge.
struct HeifDecoder {
    static std::optional<QImage> decode(const QByteArray& path, int edge, std::stop_token stop);
};

} // namespace stowly
