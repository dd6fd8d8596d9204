#include "decode/ClipFactsReader.h"

#include "decode/FormatOpening.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

namespace stowly {
namespace {

using Clock = FormatOpening::Clock;

// Texts of this file, under a context the catalogue tool can see.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(ClipFactsReader)
};

QString timecodeOf(const AVDictionary* metadata) {
    const AVDictionaryEntry* entry = av_dict_get(metadata, "timecode", nullptr, 0);
    return entry && entry->value ? QString::fromUtf8(entry->value).left(32) : QString();
}

// How far into the file the demuxer's index reaches; none when it keeps no index.
std::optional<qint64> indexedEnd(const AVFormatContext* context) {
    std::optional<qint64> end;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        AVStream* stream = context->streams[i];
        const int count = avformat_index_get_entries_count(stream);
        for (int e = 0; e < count; ++e)
            if (const AVIndexEntry* entry = avformat_index_get_entry(stream, e);
                entry && entry->pos >= 0)
                end = std::max(end.value_or(0), qint64(entry->pos) + entry->size);
    }
    return end;
}

constexpr qint64 unindexedSlack = 8 << 20;

// A fragmented MP4 (a 'moof' box at the top level) is indexed as it is read, so its index
// says nothing of how much of it holds footage. Walks the top-level boxes only.
bool isFragmented(int file, qint64 size) {
    qint64 at = 0;
    for (int boxes = 0; boxes < 100'000 && at + 8 <= size; ++boxes) {
        unsigned char header[16];
        if (::pread(file, header, 8, at) != 8)
            return false;
        qint64 length =
            (qint64(header[0]) << 24) | (header[1] << 16) | (header[2] << 8) | header[3];
        if (std::memcmp(header + 4, "moof", 4) == 0)
            return true;
        if (length == 1) {
            if (::pread(file, header + 8, 8, at + 8) != 8)
                return false;
            length = 0;
            for (int i = 8; i < 16; ++i)
                length = (length << 8) | header[i];
        }
        if (length < 8)
            return false;
        at += length;
    }
    return false;
}

} // namespace

MediaFacts ClipFactsReader::read(int file, std::chrono::milliseconds timeLimit) {
    MediaFacts facts;
    struct stat status {};
    if (::fstat(file, &status) != 0)
        return facts;
    const qint64 size = status.st_size;

    const Clock::time_point deadline = Clock::now() + timeLimit;
    const QString indexMissing = Words::tr(
        "The clip’s index is missing: a camera that lost power while recording leaves clips "
        "like this.");
    AVFormatContext* context =
        FormatOpening::open("file:/proc/self/fd/" + QByteArray::number(file), &deadline);
    if (!context) {
        // Out of time says nothing about the clip.
        if (Clock::now() < deadline)
            facts.damage = indexMissing;
        return facts;
    }
    if (avformat_find_stream_info(context, nullptr) < 0 && Clock::now() >= deadline) {
        avformat_close_input(&context);
        return facts;
    }
    const int video = av_find_best_stream(context, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (video < 0) {
        facts.damage = indexMissing;
        avformat_close_input(&context);
        return facts;
    }
    const AVStream* stream = context->streams[video];
    const AVCodecParameters* parameters = stream->codecpar;
    if (const AVCodecDescriptor* codec = avcodec_descriptor_get(parameters->codec_id))
        facts.codec = QString::fromLatin1(codec->name);
    facts.width = std::clamp(parameters->width, 0, 1 << 16);
    facts.height = std::clamp(parameters->height, 0, 1 << 16);
    const AVRational rate =
        stream->avg_frame_rate.num > 0 ? stream->avg_frame_rate : stream->r_frame_rate;
    if (rate.num > 0 && rate.den > 0) {
        const double fps = av_q2d(rate);
        if (std::isfinite(fps) && fps > 0 && fps < 10000)
            facts.frameRate = fps;
    }
    // Longer than a month is a header's nonsense, not a clip.
    if (context->duration != AV_NOPTS_VALUE && context->duration > 0 &&
        context->duration / AV_TIME_BASE < 3'000'000)
        facts.duration = double(context->duration) / AV_TIME_BASE;

    // The format's own timecode, else the video's, else a timecode track's.
    facts.startTimecode = timecodeOf(context->metadata);
    if (facts.startTimecode.isEmpty())
        facts.startTimecode = timecodeOf(stream->metadata);
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream* other = context->streams[i];
        if (facts.startTimecode.isEmpty() && other->codecpar->codec_type == AVMEDIA_TYPE_DATA)
            facts.startTimecode = timecodeOf(other->metadata);
        if (other->codecpar->codec_type == AVMEDIA_TYPE_AUDIO)
            facts.audioChannels += std::clamp(other->codecpar->ch_layout.nb_channels, 0, 64);
    }

    if (const std::optional<qint64> end = indexedEnd(context)) {
        if (*end > size)
            facts.damage = Words::tr("The clip ends before its index says: it was cut off while it "
                                     "was being written.");
        else if (*end < size / 2 && size - *end > unindexedSlack && !isFragmented(file, size))
            facts.damage =
                Words::tr("Most of the clip isn’t in its index: a camera that lost power "
                          "while recording leaves clips like this.");
    }
    avformat_close_input(&context);
    return facts;
}

} // namespace stowly
