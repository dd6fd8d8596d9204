#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>
#include <stop_token>

namespace stowly {

class DecoderHelpers;

// Thumbnails and previews drawn by the decoding helpers, turned into images here.
struct DecoderClient {
    static constexpr int timeLimitMs = 20'000;
    // A good edge for the preview window.
    static constexpr int previewPixelEdge = 2560;

    // The file at `path` (the file system's bytes) fitted within a square of `pixelEdge`, as
    // the helpers draw it; none when it cannot be drawn, its helper failed or `stop` came.
    // Without helpers, the program's shared ones. A ThumbnailProvider::Render.
    static std::optional<QImage> draw(const QByteArray& path, int pixelEdge, std::stop_token stop,
                                      DecoderHelpers* helpers = nullptr);
};

} // namespace stowly
