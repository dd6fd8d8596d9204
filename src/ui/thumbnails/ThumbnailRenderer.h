#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>
#include <stop_token>

namespace stowly {

// Draws a card file as an image: photos through the image readers (JPEG, PNG, TIFF, WebP),
// libheif (HEIF/HEIC) or the preview a raw file embeds, videos as a frame a little way in.
// Thread-safe and read-only: it opens files for reading only and writes nothing anywhere.
struct ThumbnailRenderer {
    // A good edge for the preview window.
    static constexpr int previewPixelEdge = 2560;

    // The file at `path` (the file system's bytes) fitted within a square of `pixelEdge`,
    // aspect kept, never enlarged, upright; none when it cannot be drawn or `stop` was
    // requested.
    static std::optional<QImage> render(const QByteArray& path, int pixelEdge,
                                        std::stop_token stop = {});
};

} // namespace stowly
