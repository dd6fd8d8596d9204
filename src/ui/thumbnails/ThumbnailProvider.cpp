#include "ui/thumbnails/ThumbnailProvider.h"

#include "base/Background.h"
#include "media/Clip.h"
#include "media/MediaPreviewSupport.h"
#include "ui/thumbnails/DecoderClient.h"
#include "ui/thumbnails/ThumbnailKey.h"

#include <algorithm>
#include <utility>

namespace stowly {

struct ThumbnailProvider::Job {
    QString cacheKey;
    QByteArray path;
    int pixelEdge = 1;
    quint64 generation = 0;
    QList<Request> requests;
};

ThumbnailProvider::ThumbnailProvider(Render render, QObject* parent)
    : QObject(parent),
      m_render(render ? std::move(render)
                      : Render([](const QByteArray& path, int edge, std::stop_token stop) {
                            return DecoderClient::draw(path, edge, std::move(stop));
                        })),
      m_cache(maxCachedImages, maxCacheCost), m_limiter(concurrentRenders) {}

ThumbnailProvider::~ThumbnailProvider() {
    for (std::stop_source& stop : m_requests)
        stop.request_stop();
}

std::optional<QImage> ThumbnailProvider::cached(const ThumbnailKey& key) const {
    return m_cache.find(key.cacheKey());
}

bool ThumbnailProvider::hasFailed(const ThumbnailKey& key) const {
    return m_failed.contains(key.cacheKey());
}

void ThumbnailProvider::image(const Clip& clip, const ThumbnailKey& key, QObject* receiver,
                              Done done) {
    Request request{receiver, receiver != nullptr, std::move(done)};
    if (m_usesPlaceholders || !MediaPreviewSupport::hasThumbnail(clip.fileName()))
        return answerLater(std::move(request), std::nullopt);
    const QString cacheKey = key.cacheKey();
    if (std::optional<QImage> hit = m_cache.find(cacheKey))
        return answerLater(std::move(request), std::move(hit));
    if (m_failed.contains(cacheKey))
        return answerLater(std::move(request), std::nullopt);
    if (const std::shared_ptr<Job> running = m_jobs.value(cacheKey)) {
        running->requests.append(std::move(request));
        return;
    }
    auto job = std::make_shared<Job>();
    job->cacheKey = cacheKey;
    job->path = clip.url;
    job->pixelEdge = key.pixelEdge();
    job->generation = m_generation;
    job->requests.append(std::move(request));
    m_jobs.insert(cacheKey, job);
    begin(job);
}

void ThumbnailProvider::cancelAll() {
    ++m_generation;
    for (std::stop_source& stop : m_requests)
        stop.request_stop();
    m_requests.clear();
    const auto jobs = std::exchange(m_jobs, {});
    const auto answers = std::exchange(m_answers, {});
    m_limiter.cancelWaiting();
    // Answered last: a caller's done may ask again, and then starts in the new generation.
    for (const std::shared_ptr<Job>& job : jobs)
        answer(job->requests, std::nullopt);
    for (const auto& [request, image] : answers)
        answer({request}, std::nullopt);
}

// Even a known answer comes from the event loop, so a caller never sees done run inside its
// own call to image().
void ThumbnailProvider::answerLater(Request request, std::optional<QImage> image) {
    const quint64 id = m_nextAnswerId++;
    m_answers.insert(id, {std::move(request), std::move(image)});
    QMetaObject::invokeMethod(
        this,
        [this, id] {
            const auto found = m_answers.find(id);
            if (found == m_answers.end())
                return;
            auto [request, image] = std::move(*found);
            m_answers.erase(found);
            answer({request}, image);
        },
        Qt::QueuedConnection);
}

void ThumbnailProvider::begin(const std::shared_ptr<Job>& job) {
    m_limiter.acquire([this, job](bool granted) {
        if (!granted)
            return;
        const bool anyoneListens =
            std::any_of(job->requests.cbegin(), job->requests.cend(), [](const Request& request) {
                return !request.watchesReceiver || request.receiver;
            });
        if (!isCurrent(job) || !anyoneListens) {
            if (isCurrent(job))
                m_jobs.remove(job->cacheKey);
            m_limiter.release();
            return;
        }
        // Another job may have filled the cache while this one waited.
        if (std::optional<QImage> hit = m_cache.find(job->cacheKey)) {
            m_jobs.remove(job->cacheKey);
            m_limiter.release();
            for (Request& request : job->requests)
                answerLater(std::move(request), hit);
            return;
        }
        const quint64 requestId = m_nextRequestId++;
        std::stop_source stop;
        m_requests.insert(requestId, stop);
        background::run(
            this,
            [render = m_render, path = job->path, edge = job->pixelEdge,
             stop](std::stop_token ownerGone) mutable -> std::optional<QImage> {
                const std::stop_callback forward(ownerGone, [&stop] { stop.request_stop(); });
                try {
                    return render(path, edge, stop.get_token());
                } catch (...) {
                    // A decoder's failure is this file's failure, not the application's.
                    return std::nullopt;
                }
            },
            [this, job, requestId](std::optional<QImage> image) {
                rendered(job, requestId, std::move(image));
            });
    });
}

void ThumbnailProvider::rendered(const std::shared_ptr<Job>& job, quint64 requestId,
                                 std::optional<QImage> image) {
    m_requests.remove(requestId);
    if (!isCurrent(job)) {
        m_limiter.release();
        return;
    }
    m_jobs.remove(job->cacheKey);
    if (image && image->isNull())
        image.reset();
    if (image)
        m_cache.insert(job->cacheKey, *image, 4 * qint64(job->pixelEdge) * job->pixelEdge);
    else
        m_failed.insert(job->cacheKey);
    m_limiter.release();
    if (image)
        Q_EMIT thumbnailReady(job->cacheKey);
    answer(job->requests, image);
}

bool ThumbnailProvider::isCurrent(const std::shared_ptr<Job>& job) const {
    return job->generation == m_generation && m_jobs.value(job->cacheKey) == job;
}

void ThumbnailProvider::answer(const QList<Request>& requests, const std::optional<QImage>& image) {
    for (const Request& request : requests)
        if (!request.watchesReceiver || request.receiver)
            request.done(image);
}

} // namespace stowly
