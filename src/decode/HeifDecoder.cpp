#include "decode/HeifDecoder.h"

#include "decode/ImageFitting.h"

#include <QList>

#include <algorithm>
#include <memory>

#include <libheif/heif.h>

namespace stowly {
namespace {

struct ContextFreer {
    void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleReleaser {
    void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct ImageReleaser {
    void operator()(heif_image* image) const { heif_image_release(image); }
};
using Handle = std::unique_ptr<heif_image_handle, HandleReleaser>;

int longerSide(const heif_image_handle* handle) {
    return std::max(heif_image_handle_get_width(handle), heif_image_handle_get_height(handle));
}

// The smallest stored thumbnail that still covers the edge; none when all are smaller.
Handle thumbnailCovering(const heif_image_handle* primary, int edge) {
    const int count = heif_image_handle_get_number_of_thumbnails(primary);
    if (count <= 0)
        return {};
    QList<heif_item_id> ids(count);
    heif_image_handle_get_list_of_thumbnail_IDs(primary, ids.data(), count);
    Handle best;
    for (const heif_item_id id : ids) {
        heif_image_handle* candidate = nullptr;
        if (heif_image_handle_get_thumbnail(primary, id, &candidate).code != heif_error_Ok)
            continue;
        Handle owned(candidate);
        if (longerSide(candidate) >= edge &&
            (!best || longerSide(candidate) < longerSide(best.get())))
            best = std::move(owned);
    }
    return best;
}

QImage imageOf(const heif_image_handle* handle) {
    const bool alpha = heif_image_handle_has_alpha_channel(handle);
    heif_image* decoded = nullptr;
    if (heif_decode_image(handle, &decoded, heif_colorspace_RGB,
                          alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB,
                          nullptr)
            .code != heif_error_Ok)
        return {};
    const std::unique_ptr<heif_image, ImageReleaser> image(decoded);
    int stride = 0;
    const uint8_t* pixels =
        heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif_image_get_height(decoded, heif_channel_interleaved);
    if (!pixels || width <= 0 || height <= 0 || stride <= 0)
        return {};
    return QImage(pixels, width, height, stride,
                  alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888)
        .copy();
}

} // namespace

std::optional<QImage> HeifDecoder::decode(const QByteArray& path, int edge, std::stop_token stop) {
    const std::unique_ptr<heif_context, ContextFreer> context(heif_context_alloc());
    if (!context ||
        heif_context_read_from_file(context.get(), path.constData(), nullptr).code != heif_error_Ok)
        return std::nullopt;
    heif_image_handle* primary = nullptr;
    if (heif_context_get_primary_image_handle(context.get(), &primary).code != heif_error_Ok)
        return std::nullopt;
    const Handle owned(primary);
    if (stop.stop_requested())
        return std::nullopt;
    // libheif turns the picture upright itself while decoding.
    const Handle thumbnail = thumbnailCovering(primary, edge);
    const QImage image = imageFitting::fit(imageOf(thumbnail ? thumbnail.get() : primary), edge);
    if (image.isNull() || stop.stop_requested())
        return std::nullopt;
    return image;
}

} // namespace stowly
