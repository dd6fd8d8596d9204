#include "decode/RawPreviewDecoder.h"

#include "decode/ImageFitting.h"

#include <QBuffer>
#include <QTransform>

#include <memory>

#include <libraw/libraw.h>

namespace stowly {
namespace {

struct RawCloser {
    void operator()(libraw_data_t* raw) const { libraw_close(raw); }
};
struct ThumbFreer {
    void operator()(libraw_processed_image_t* image) const { libraw_dcraw_clear_mem(image); }
};

QImage bitmapOf(const libraw_processed_image_t& thumb) {
    if (thumb.bits != 8 || thumb.width == 0 || thumb.height == 0)
        return {};
    const int width = thumb.width;
    const int height = thumb.height;
    const qint64 stride = qint64(width) * thumb.colors;
    if (qint64(thumb.data_size) < stride * height)
        return {};
    if (thumb.colors == 3)
        return QImage(thumb.data, width, height, stride, QImage::Format_RGB888).copy();
    if (thumb.colors == 1)
        return QImage(thumb.data, width, height, stride, QImage::Format_Grayscale8).copy();
    return {};
}

// Clockwise degrees for the orientation code the raw file records.
int turnFor(int flip) {
    switch (flip) {
    case 3:
        return 180;
    case 5:
        return 270;
    case 6:
        return 90;
    default:
        return 0;
    }
}

} // namespace

std::optional<QImage> RawPreviewDecoder::decode(const QByteArray& path, int edge,
                                                std::stop_token stop) {
    const std::unique_ptr<libraw_data_t, RawCloser> raw(libraw_init(0));
    if (!raw || libraw_open_file(raw.get(), path.constData()) != LIBRAW_SUCCESS)
        return std::nullopt;
    if (stop.stop_requested() || libraw_unpack_thumb(raw.get()) != LIBRAW_SUCCESS)
        return std::nullopt;
    int error = 0;
    const std::unique_ptr<libraw_processed_image_t, ThumbFreer> thumb(
        libraw_dcraw_make_mem_thumb(raw.get(), &error));
    if (!thumb || stop.stop_requested())
        return std::nullopt;

    QImage image;
    if (thumb->type == LIBRAW_IMAGE_JPEG) {
        QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(thumb->data),
                                                   qsizetype(thumb->data_size));
        QBuffer buffer(&bytes);
        if (!buffer.open(QIODevice::ReadOnly))
            return std::nullopt;
        // The raw file's own orientation counts; the preview's is usually absent or stale.
        if (std::optional<QImage> read = imageFitting::read(buffer, edge, false))
            image = *read;
    } else if (thumb->type == LIBRAW_IMAGE_BITMAP) {
        image = imageFitting::fit(bitmapOf(*thumb), edge);
    }
    if (image.isNull())
        return std::nullopt;
    if (const int degrees = turnFor(raw->sizes.flip); degrees != 0)
        image = image.transformed(QTransform().rotate(degrees));
    return image;
}

} // namespace stowly
