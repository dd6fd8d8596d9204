#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>
#include <stop_token>

namespace stowly {

// Draws a card file as an image: photos through the image readers (JPEG, PNG, TIFF, WebP),
// libheif (HEIF/HEIC) or the preview a raw file embeds, videos as a frame a little way in.
// Thread-safe and read-only: it opens files for reading only and writes nothing anywhere.
struct ThumbnailRenderer {
    // The file at `path` (the file system's bytes) fitted within a square of `pixelEdge`,
    // aspect kept, never enlarged, upright; none when it cannot be drawn or `stop` was
    // requested.
    static std::optional<QImage> render(const QByteArray& path, int pixelEdge,
                                        std::stop_token stop = {});
    // The same for a file already open for reading, known by `fileName` (for its extension).
    static std::optional<QImage> renderOpen(int fileDescriptor, const QString& fileName,
                                            int pixelEdge);
};

} // namespace stowly
