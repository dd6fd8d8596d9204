#pragma once

#include "ui/thumbnails/AsyncLimiter.h"
#include "ui/thumbnails/ThumbnailCache.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <stop_token>

namespace stowly {

struct Clip;
struct ThumbnailKey;

// Thumbnails of card files, made at most four at a time on worker threads and kept in memory.
// Main thread only; the process keeps one.
class ThumbnailProvider : public QObject {
    Q_OBJECT
public:
    // Draws the file at `path` (the file system's bytes) within a square of `pixelEdge`; none
    // when it cannot. Runs on worker threads; should return early once `stop` is requested.
    using Render = std::function<std::optional<QImage>(const QByteArray& path, int pixelEdge,
                                                       std::stop_token stop)>;
    using Done = std::function<void(const std::optional<QImage>&)>;

    static constexpr int concurrentRenders = 4;
    static constexpr qsizetype maxCachedImages = 800;
    static constexpr qint64 maxCacheCost = 96 * 1024 * 1024;

    // Without a render function, the decoding helpers draw (DecoderClient).
    explicit ThumbnailProvider(Render render = {}, QObject* parent = nullptr);
    ~ThumbnailProvider() override;

    // For painting: the image when it is cached, at once.
    std::optional<QImage> cached(const ThumbnailKey& key) const;
    // True when the file could not be drawn at that key; it is not tried again.
    bool hasFailed(const ThumbnailKey& key) const;
    // Files being drawn now, and those that could not be drawn since the start.
    qsizetype drawing() const { return m_jobs.size(); }
    qsizetype failures() const { return m_failed.size(); }

    // Calls done once, later, on the main thread with the image or none: none for files
    // without thumbnails, in placeholder mode and for files that cannot be drawn. Requests for
    // a key already being drawn join it. Never calls done once `receiver` is destroyed;
    // cancelAll() answers the requests it abandons with none before it returns.
    void image(const Clip& clip, const ThumbnailKey& key, QObject* receiver, Done done);

    // Abandons all outstanding work, for a new card or listing: stops the drawing under way,
    // answers every open request with none and drops late results. The cache and the failed
    // set stay.
    void cancelAll();

    // Placeholders only: nothing is drawn.
    bool usesPlaceholders() const { return m_usesPlaceholders; }
    void setUsesPlaceholders(bool on) { m_usesPlaceholders = on; }

    // Drawings under way, including abandoned ones not yet stopped.
    int rendersRunning() const { return m_limiter.running(); }
    quint64 generation() const { return m_generation; }

Q_SIGNALS:
    // A new image is in the cache.
    void thumbnailReady(const QString& cacheKey);

private:
    struct Request {
        QPointer<QObject> receiver;
        bool watchesReceiver = false;
        Done done;
    };
    struct Job;

    void answerLater(Request request, std::optional<QImage> image);
    void begin(const std::shared_ptr<Job>& job);
    void rendered(const std::shared_ptr<Job>& job, quint64 requestId, std::optional<QImage> image);
    bool isCurrent(const std::shared_ptr<Job>& job) const;
    static void answer(const QList<Request>& requests, const std::optional<QImage>& image);

    Render m_render;
    mutable ThumbnailCache m_cache;
    QSet<QString> m_failed;
    AsyncLimiter m_limiter;
    // Drawings under way in this generation, by request number.
    QHash<quint64, std::stop_source> m_requests;
    quint64 m_nextRequestId = 0;
    quint64 m_generation = 0;
    bool m_usesPlaceholders = false;
    // One job per key being drawn or waiting for a place.
    QHash<QString, std::shared_ptr<Job>> m_jobs;
    // Answers known at once, delivered from the event loop.
    QHash<quint64, std::pair<Request, std::optional<QImage>>> m_answers;
    quint64 m_nextAnswerId = 0;
};

} // namespace stowly
