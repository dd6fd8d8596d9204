#include "media/DurationScanner.h"

#include "media/MediaCategory.h"

#include <mutex>
#include <thread>
#include <vector>

namespace stowly {

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
        const QString key = clip.ledgerKey(volumeIdentity);
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

    // A sliding window: each worker takes the next queued clip as soon as its reading is done,
    // so at most `width` readings are in flight and results arrive in finishing order.
    std::mutex mutex;
    size_t next = 0;
    const auto work = [&] {
        for (;;) {
            size_t index;
            {
                std::lock_guard lock(mutex);
                if (next >= queue.size())
                    return;
                index = next++;
            }
            const std::optional<double> seconds = reader.duration(queue[index].url);
            std::lock_guard lock(mutex);
            result.fresh.insert(queue[index].key, seconds);
            if (seconds)
                result.byPath.insert(queue[index].path, *seconds);
        }
    };
    const size_t workers = std::min(queue.size(), size_t(std::max(width, 1)));
    std::vector<std::thread> threads;
    for (size_t i = 1; i < workers; ++i)
        threads.emplace_back(work);
    work();
    for (std::thread& t : threads)
        t.join();
    return result;
}

} // namespace stowly
