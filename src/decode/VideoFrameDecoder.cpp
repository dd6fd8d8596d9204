#include "decode/VideoFrameDecoder.h"

#include "decode/ImageFitting.h"

#include <QTransform>

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/display.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

namespace stowly {
namespace {

// A broken file can yield packets for ever without a picture.
constexpr int maxPacketsRead = 2000;

struct FormatCloser {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct CodecFreer {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameFreer {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketFreer {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};

int interruptOnStop(void* opaque) {
    return static_cast<std::stop_token*>(opaque)->stop_requested() ? 1 : 0;
}

// Clockwise degrees the picture must turn to stand upright.
double rotationOf(const AVStream* stream) {
    const uint8_t* matrix = av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, nullptr);
    if (!matrix)
        return 0;
    const double angle = -av_display_rotation_get(reinterpret_cast<const int32_t*>(matrix));
    return std::isfinite(angle) ? std::round(angle / 90) * 90 : 0;
}

QImage toImage(const AVFrame& frame, AVRational sampleAspect, int edge) {
    if (frame.width <= 0 || frame.height <= 0)
        return {};
    // Anamorphic footage is stored squeezed; show it at its display width.
    double displayWidth = frame.width;
    if (sampleAspect.num > 0 && sampleAspect.den > 0)
        displayWidth = frame.width * av_q2d(sampleAspect);
    const QSize size = imageFitting::fitted(
        QSize(std::max(1, int(std::lround(displayWidth))), frame.height), edge);
    if (size.isEmpty())
        return {};
    SwsContext* scaler =
        sws_getContext(frame.width, frame.height, AVPixelFormat(frame.format), size.width(),
                       size.height(), AV_PIX_FMT_RGBA, SWS_AREA, nullptr, nullptr, nullptr);
    if (!scaler)
        return {};
    // The scaler's vector code may write a little past a row's end: it gets a frame buffer,
    // padded and aligned as FFmpeg's own code expects, never the exact rows of an image.
    const std::unique_ptr<AVFrame, FrameFreer> scaled(av_frame_alloc());
    if (scaled) {
        scaled->format = AV_PIX_FMT_RGBA;
        scaled->width = size.width();
        scaled->height = size.height();
    }
    if (!scaled || av_frame_get_buffer(scaled.get(), 0) < 0) {
        sws_freeContext(scaler);
        return {};
    }
    const int rows = sws_scale(scaler, frame.data, frame.linesize, 0, frame.height, scaled->data,
                               scaled->linesize);
    sws_freeContext(scaler);
    if (rows <= 0)
        return {};
    return QImage(scaled->data[0], size.width(), size.height(), scaled->linesize[0],
                  QImage::Format_RGBA8888)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

std::optional<QImage> VideoFrameDecoder::decode(const QByteArray& path, int edge,
                                                std::stop_token stop) {
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_QUIET); });

    AVFormatContext* opening = avformat_alloc_context();
    if (!opening)
        return std::nullopt;
    opening->interrupt_callback.callback = interruptOnStop;
    opening->interrupt_callback.opaque = &stop;
    AVDictionary* options = nullptr;
    // A playlist or reference movie on a card must not lead the demuxer elsewhere.
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    // "file:" keeps a name with a colon from being taken for a protocol.
    const QByteArray location = "file:" + path;
    const int opened = avformat_open_input(&opening, location.constData(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0)
        return std::nullopt; // avformat_open_input frees the context on failure
    const std::unique_ptr<AVFormatContext, FormatCloser> format(opening);
    if (avformat_find_stream_info(format.get(), nullptr) < 0)
        return std::nullopt;

    const AVCodec* codec = nullptr;
    const int streamIndex =
        av_find_best_stream(format.get(), AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
    if (streamIndex < 0 || !codec)
        return std::nullopt;
    AVStream* stream = format->streams[streamIndex];
    const std::unique_ptr<AVCodecContext, CodecFreer> decoder(avcodec_alloc_context3(codec));
    if (!decoder || avcodec_parameters_to_context(decoder.get(), stream->codecpar) < 0)
        return std::nullopt;
    decoder->pkt_timebase = stream->time_base;
    // Four thumbnails are made side by side; each takes little of the machine.
    decoder->thread_count = 2;
    if (avcodec_open2(decoder.get(), codec, nullptr) < 0)
        return std::nullopt;

    int64_t target = AV_NOPTS_VALUE;
    if (format->duration > 0) {
        // Clips from some cameras start their clock well above zero.
        const int64_t start = format->start_time != AV_NOPTS_VALUE ? format->start_time : 0;
        const int64_t wanted = start + std::min<int64_t>(format->duration / 10, AV_TIME_BASE);
        if (avformat_seek_file(format.get(), -1, INT64_MIN, wanted, wanted, 0) >= 0)
            target = av_rescale_q(wanted, AV_TIME_BASE_Q, stream->time_base);
    }

    const std::unique_ptr<AVPacket, PacketFreer> packet(av_packet_alloc());
    const std::unique_ptr<AVFrame, FrameFreer> frame(av_frame_alloc());
    const std::unique_ptr<AVFrame, FrameFreer> kept(av_frame_alloc());
    if (!packet || !frame || !kept)
        return std::nullopt;
    bool haveFrame = false;
    bool draining = false;
    // The first frame at or after the target; the last one decoded when the clip ends first.
    auto receive = [&]() -> bool {
        while (avcodec_receive_frame(decoder.get(), frame.get()) >= 0) {
            av_frame_unref(kept.get());
            av_frame_move_ref(kept.get(), frame.get());
            haveFrame = true;
            const int64_t time = kept->best_effort_timestamp;
            if (target == AV_NOPTS_VALUE || time == AV_NOPTS_VALUE || time >= target)
                return true;
        }
        return false;
    };
    bool found = false;
    for (int packets = 0; !found && packets < maxPacketsRead && !stop.stop_requested(); ++packets) {
        const int read = av_read_frame(format.get(), packet.get());
        if (read < 0) {
            if (!draining) {
                draining = true;
                avcodec_send_packet(decoder.get(), nullptr);
            }
            found = receive();
            break;
        }
        if (packet->stream_index == streamIndex &&
            avcodec_send_packet(decoder.get(), packet.get()) >= 0)
            found = receive();
        av_packet_unref(packet.get());
    }
    if (!haveFrame || stop.stop_requested())
        return std::nullopt;

    QImage image =
        toImage(*kept, av_guess_sample_aspect_ratio(format.get(), stream, kept.get()), edge);
    if (image.isNull())
        return std::nullopt;
    if (const double degrees = rotationOf(stream); degrees != 0)
        image = image.transformed(QTransform().rotate(degrees));
    return image;
}

} // namespace stowly
