#include "ui/thumbnails/DecoderClient.h"

#include "media/DecoderHelpers.h"

#include <cstring>

namespace stowly {

std::optional<QImage> DecoderClient::draw(const QByteArray& path, int pixelEdge,
                                          std::stop_token stop, DecoderHelpers* helpers) {
    DecoderHelpers& drawing = helpers ? *helpers : DecoderHelpers::shared();
    decodeWire::Request request;
    request.edge = pixelEdge;
    const std::optional<decodeWire::Answer> answer =
        drawing.ask(path, request, timeLimitMs, std::move(stop));
    if (!answer || !answer->drawn)
        return std::nullopt;
    // The size was checked against the pixels that came.
    QImage image(answer->width, answer->height, QImage::Format_ARGB32);
    if (image.isNull())
        return std::nullopt;
    for (int line = 0; line < answer->height; ++line)
        std::memcpy(image.scanLine(line),
                    answer->pixels.constData() + qsizetype(line) * answer->bytesPerLine,
                    size_t(answer->width) * 4);
    return image;
}

} // namespace stowly
