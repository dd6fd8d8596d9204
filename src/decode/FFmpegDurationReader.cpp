#include "decode/FFmpegDurationReader.h"

#include "base/FileNames.h"
#include "media/MediaCategory.h"

#include <cmath>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

namespace stowly {
namespace {

using Clock = std::chrono::steady_clock;

struct Reading {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    std::optional<double> seconds;
    Clock::time_point deadline;
};

int interruptAtDeadline(void* opaque) {
    return Clock::now() >= static_cast<Reading*>(opaque)->deadline ? 1 : 0;
}

std::optional<double> readContainerDuration(const QByteArray& url, Reading* reading) {
    AVFormatContext* context = avformat_alloc_context();
    if (!context)
        return std::nullopt;
    context->interrupt_callback.callback = interruptAtDeadline;
    context->interrupt_callback.opaque = reading;
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

    // A read blocked in the kernel (a hung device, a FIFO without a writer) cannot be
    // interrupted, so the caller stops waiting at the deadline and the reading is left behind
    // until the device lets it end: on a thread of its own, as on a pool it would hold a thread
    // others wait for.
    auto reading = std::make_shared<Reading>();
    reading->deadline = Clock::now() + m_timeout;
    std::thread([reading, url] {
        const std::optional<double> seconds = readContainerDuration(url, reading.get());
        std::lock_guard lock(reading->mutex);
        reading->seconds = seconds;
        reading->done = true;
        reading->finished.notify_all();
    }).detach();

    std::unique_lock lock(reading->mutex);
    if (!reading->finished.wait_until(lock, reading->deadline, [&] { return reading->done; }))
        return std::nullopt;
    return reading->seconds;
}

} // namespace stowly
