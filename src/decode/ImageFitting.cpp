#include "decode/ImageFitting.h"

#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace stowly::imageFitting {

QSize fitted(QSize size, int edge) {
    if (size.isEmpty())
        return {};
    const int longer = std::max(size.width(), size.height());
    if (longer <= edge)
        return size;
    const double factor = double(edge) / longer;
    return {std::max(1, int(std::lround(size.width() * factor))),
            std::max(1, int(std::lround(size.height() * factor)))};
}

QImage fit(const QImage& image, int edge) {
    const QSize size = fitted(image.size(), edge);
    if (image.isNull() || size == image.size())
        return image;
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

std::optional<QImage> read(QIODevice& device, int edge, bool upright) {
    QImageReader reader(&device);
    reader.setAutoTransform(upright);
    // Rotation keeps the longer side, so fitting before the turn fits after it too.
    const QSize stored = reader.size();
    if (stored.isValid())
        reader.setScaledSize(fitted(stored, edge));
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return std::nullopt;
    return fit(image, edge);
}

} // namespace stowly::imageFitting
