#include "media/DurationScanner.h"

#include "base/Background.h"
#include "media/MediaCategory.h"

#include <QThreadPool>

#include <mutex>
#include <vector>

namespace stowly {
namespace {

// Readings mostly wait on the card, a hung one for its whole time limit: a pool of their own
// keeps them from holding up the short tasks on the global pool, and from being held up by them.
// Sized for waiting rather than for the cores; each scan's width is its own bound.
struct ReadingPool : QThreadPool {
    ReadingPool() { setMaxThreadCount(16); }
};

QThreadPool& readingPool() {
    static ReadingPool pool;
    return pool;
}

} // namespace

DurationScanner::Result DurationScanner::read(const QList<Clip>& clips,
                                              const QString& volumeIdentity, const Cache& cache,
                                              DurationReading& reader, int width) {
    struct Pending {
        QString path;
        QString key;
        QByteArray url;
    };
    Result result;
    std::vector<Pending> queue;
    for (const Clip& clip : clips) {
        if (mediaCategory::classify(mediaCategory::extensionOf(clip.relativePath)) !=
            MediaCategory::video)
            continue;
        const QString key = clip.historyKey(volumeIdentity);
        const auto cached = cache.constFind(key);
        if (cached != cache.cend()) {
            if (*cached)
                result.byPath.insert(clip.relativePath, **cached);
            continue;
        }
        queue.push_back({clip.relativePath, key, clip.url});
    }
    if (queue.empty())
        return result;

    // A sliding window: each call takes the next queued clip as soon as one is done, so at most
    // `width` readings are in flight and results arrive in finishing order.
    std::mutex mutex;
    background::forEach(
        qsizetype(queue.size()), width,
        [&](qsizetype index) {
            const Pending& pending = queue[size_t(index)];
            const std::optional<double> seconds = reader.duration(pending.url);
            std::lock_guard lock(mutex);
            result.fresh.insert(pending.key, seconds);
            if (seconds)
                result.byPath.insert(pending.path, *seconds);
        },
        readingPool());
    return result;
}

} // namespace stowly
