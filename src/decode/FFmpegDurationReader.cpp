#include "decode/FFmpegDurationReader.h"

#include "base/FileNames.h"
#include "media/MediaCategory.h"

#include <chrono>
#include <cmath>
#include <mutex>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

namespace stowly {
namespace {

using Clock = std::chrono::steady_clock;

int interruptAtDeadline(void* opaque) {
    return Clock::now() >= *static_cast<Clock::time_point*>(opaque) ? 1 : 0;
}

std::optional<double> readContainerDuration(const QByteArray& url, Clock::time_point deadline) {
    AVFormatContext* context = avformat_alloc_context();
    if (!context)
        return std::nullopt;
    context->interrupt_callback.callback = interruptAtDeadline;
    context->interrupt_callback.opaque = &deadline;
    // "file:" keeps a name with a colon from being taken for a protocol.
    const QByteArray location = "file:" + url;
    if (avformat_open_input(&context, location.constData(), nullptr, nullptr) < 0)
        return std::nullopt; // avformat_open_input frees the context on failure
    if (context->duration == AV_NOPTS_VALUE || context->duration <= 0)
        avformat_find_stream_info(context, nullptr);
    std::optional<double> seconds;
    if (context->duration != AV_NOPTS_VALUE && context->duration > 0) {
        const double value = double(context->duration) / AV_TIME_BASE;
        if (std::isfinite(value) && value > 0)
            seconds = value;
    }
    avformat_close_input(&context);
    return seconds;
}

} // namespace

const QStringList& FFmpegDurationReader::unreadableExtensions() {
    static const QStringList extensions{"braw", "r3d", "crm", "ari", "cine", "nev"};
    return extensions;
}

std::optional<double> FFmpegDurationReader::duration(const QByteArray& url) {
    const QString extension = mediaCategory::extensionOf(fileNames::decode(url));
    if (unreadableExtensions().contains(extension))
        return std::nullopt;
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_QUIET); });

    // Only what libavformat does itself stops at the deadline; a read blocked in the kernel
    // is ended with this process by the program that asked (see HelperDurationReader). A
    // reading left running on a thread of its own would keep the descriptor's number, which
    // the next request's file may take.
    return readContainerDuration(url, Clock::now() + m_timeout);
}

} // namespace stowly
