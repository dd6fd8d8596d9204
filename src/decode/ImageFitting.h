#pragma once

#include <QImage>
#include <QSize>

#include <optional>

class QIODevice;

namespace stowly::imageFitting {

// The size fitted within a square of `edge`, aspect kept, never enlarged, at least 1×1.
QSize fitted(QSize size, int edge);
// The image fitted the same way; a null image stays null.
QImage fit(const QImage& image, int edge);

// Reads an image the image readers know from the device, decoding no more pixels than the edge
// needs. `upright` applies the orientation the file records.
std::optional<QImage> read(QIODevice& device, int edge, bool upright = true);

} // namespace stowly::imageFitting
