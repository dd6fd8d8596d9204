#include "media/FactsScanner.h"

#include "base/Background.h"
#include "media/MediaCategory.h"

#include <QElapsedTimer>
#include <QThreadPool>

#include <mutex>
#include <thread>
#include <vector>

namespace stowly {
namespace {

// Two cards read side by side, two files each.
struct FactsPool : QThreadPool {
    FactsPool() { setMaxThreadCount(4); }
};

// Waits while reading must give way; false once the stop came.
bool waitForTurn(const FactsScanner::Options& options) {
    while (options.mayRead && !options.mayRead()) {
        if (options.stop.stop_requested())
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return !options.stop.stop_requested();
}

} // namespace

QThreadPool& FactsScanner::pool() {
    static FactsPool pool;
    return pool;
}

void FactsScanner::read(const QList<Clip>& clips, const QString& volumeIdentity, const Cache& cache,
                        FactsReading& reader, const Options& options,
                        const std::function<void(Batch)>& deliver) {
    struct Pending {
        QString path;
        QString key;
        QByteArray url;
    };
    Batch known;
    std::vector<Pending> queue;
    for (const Clip& clip : clips) {
        const MediaCategory category =
            mediaCategory::classify(mediaCategory::extensionOf(clip.relativePath));
        if (category != MediaCategory::video && category != MediaCategory::photo)
            continue;
        const QString key = clip.historyKey(volumeIdentity);
        if (const auto cached = cache.constFind(key); cached != cache.cend()) {
            if (!cached->isEmpty())
                known.byPath.insert(clip.relativePath, *cached);
            continue;
        }
        queue.push_back({clip.relativePath, key, clip.url});
    }
    if (!known.byPath.isEmpty())
        deliver(std::move(known));
    if (queue.empty())
        return;

    std::mutex mutex;
    Batch gathered;
    QElapsedTimer sinceDelivery;
    sinceDelivery.start();
    background::forEach(
        qsizetype(queue.size()), options.width,
        [&](qsizetype index) {
            if (!waitForTurn(options))
                return;
            const Pending& pending = queue[size_t(index)];
            const std::optional<MediaFacts> read = reader.facts(pending.url, options.stop);
            if (!read && options.stop.stop_requested())
                return;
            const MediaFacts facts = read.value_or(MediaFacts{});
            std::lock_guard lock(mutex);
            if (options.stop.stop_requested())
                return;
            gathered.fresh.insert(pending.key, facts);
            if (!facts.isEmpty())
                gathered.byPath.insert(pending.path, facts);
            if (sinceDelivery.elapsed() >= options.batchMs) {
                deliver(std::exchange(gathered, {}));
                sinceDelivery.restart();
            }
        },
        pool());
    if (!gathered.fresh.isEmpty() && !options.stop.stop_requested())
        deliver(std::move(gathered));
}

} // namespace stowly
