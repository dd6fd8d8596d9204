#include "ui/thumbnails/ThumbnailProvider.h"
#include "base/StableHash.h"
#include "media/Clip.h"
#include "media/MediaPreviewSupport.h"
#include "support/TestSupport.h"
#include "ui/thumbnails/AsyncLimiter.h"
#include "ui/thumbnails/ThumbnailCache.h"
#include "ui/thumbnails/ThumbnailKey.h"

#include <QSignalSpy>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

using namespace stowly;
using test::clipAt;
using test::spinUntil;

namespace {

// Renders that end only when the test lets them, each with an image of the edge or none. They
// ignore the stop token, so a result can arrive after it was abandoned.
class ThumbnailProviderTest : public ::testing::Test {
protected:
    // Held renders each occupy a pool thread; a small machine's pool has fewer than four.
    void SetUp() override { QThreadPool::globalInstance()->setMaxThreadCount(poolSize + 8); }
    void TearDown() override {
        for (const auto& [path, edge] : started())
            finish(path);
        EXPECT_TRUE(spinUntil([&] { return provider.rendersRunning() == 0; }));
        QThreadPool::globalInstance()->setMaxThreadCount(poolSize);
    }

    std::optional<QImage> render(const QByteArray& path, int edge) {
        std::unique_lock lock(m_mutex);
        m_started.append({path, edge});
        m_changed.wait(lock, [&] { return !m_results[path].isEmpty(); });
        return m_results[path].takeFirst() ? std::optional(QImage(edge, edge, QImage::Format_RGB32))
                                           : std::nullopt;
    }
    void finish(const QByteArray& path, bool succeed = true) {
        std::lock_guard lock(m_mutex);
        m_results[path].append(succeed);
        m_changed.notify_all();
    }
    QList<std::pair<QByteArray, int>> started() {
        std::lock_guard lock(m_mutex);
        return m_started;
    }
    bool startedCount(qsizetype count) {
        return spinUntil([&] { return started().size() == count; });
    }

    // Asks for the clip's thumbnail; the answers gather under the clip's name.
    ThumbnailKey ask(const Clip& clip, double points = 64, double scale = 1) {
        const ThumbnailKey key = ThumbnailKey::of(clip, points, scale);
        provider.image(clip, key, &receiver, [this, name = clip.fileName()](const auto& image) {
            heard[name].append(image);
        });
        return key;
    }
    bool heardCount(const QString& name, qsizetype count) {
        return spinUntil([&] { return heard[name].size() == count; });
    }

    const int poolSize = QThreadPool::globalInstance()->maxThreadCount();
    std::mutex m_mutex;
    std::condition_variable m_changed;
    QList<std::pair<QByteArray, int>> m_started;
    QHash<QByteArray, QList<bool>> m_results;
    QHash<QString, QList<std::optional<QImage>>> heard;
    QObject receiver;
    ThumbnailProvider provider{
        [this](const QByteArray& path, int edge, std::stop_token) { return render(path, edge); }};
};

} // namespace

TEST_F(ThumbnailProviderTest, SameKeyIsDrawnOnceAndSharedWhileScaleAndNewerFileMakeNewKeys) {
    QSignalSpy ready(&provider, &ThumbnailProvider::thumbnailReady);
    const Clip clip = clipAt("C0001.MP4");
    const ThumbnailKey key = ask(clip);
    ask(clip);
    ASSERT_TRUE(startedCount(1));
    EXPECT_FALSE(provider.cached(key));
    finish(clip.url);
    ASSERT_TRUE(heardCount("C0001.MP4", 2));
    ASSERT_TRUE(heard["C0001.MP4"][0] && heard["C0001.MP4"][1]);
    EXPECT_EQ(ready.size(), 1);
    EXPECT_EQ(ready.value(0).value(0).toString(), key.cacheKey());
    EXPECT_TRUE(provider.cached(key));

    ask(clip);
    EXPECT_EQ(heard["C0001.MP4"].size(), 2); // even a cached answer comes from the event loop
    ASSERT_TRUE(heardCount("C0001.MP4", 3));

    // A sharper screen, then the same file written again: each needs its own drawing.
    ask(clip, 64, 2);
    Clip rewritten = clip;
    rewritten.modificationDate = clip.modificationDate->addSecs(1);
    ask(rewritten);
    ASSERT_TRUE(startedCount(3));
    // The two drawings run side by side, so either may start first.
    EXPECT_EQ(started()[1].second + started()[2].second, 128 + 64);
}

TEST_F(ThumbnailProviderTest, FourDrawAtOnceOthersWaitInOrderAndCancelAllDropsEverything) {
    QSignalSpy ready(&provider, &ThumbnailProvider::thumbnailReady);
    QList<Clip> clips;
    QList<ThumbnailKey> keys;
    for (int i = 0; i < 6; ++i) {
        clips.append(clipAt(QStringLiteral("C000%1.MOV").arg(i)));
        keys.append(ask(clips[i]));
    }
    ASSERT_TRUE(startedCount(4));
    EXPECT_EQ(provider.rendersRunning(), 4);
    finish(clips[0].url);
    ASSERT_TRUE(startedCount(5));
    EXPECT_EQ(started()[4].first, clips[4].url);

    // The waiting one and the four under way are answered with none before cancelAll returns.
    provider.cancelAll();
    for (int i = 1; i < 6; ++i)
        EXPECT_EQ(heard[clips[i].fileName()], QList<std::optional<QImage>>{std::nullopt}) << i;
    for (int i = 1; i < 5; ++i)
        finish(clips[i].url);
    ASSERT_TRUE(spinUntil([&] { return provider.rendersRunning() == 0; }));
    EXPECT_EQ(started().size(), 5);
    for (int i = 1; i < 6; ++i) {
        EXPECT_FALSE(provider.cached(keys[i]) || provider.hasFailed(keys[i])) << i;
        EXPECT_EQ(heard[clips[i].fileName()].size(), 1) << i;
    }

    // The new generation draws again.
    ask(clips[1]);
    ASSERT_TRUE(startedCount(6));
    finish(clips[1].url);
    ASSERT_TRUE(heardCount(clips[1].fileName(), 2));
    EXPECT_TRUE(heard[clips[1].fileName()][1]);
}

TEST_F(ThumbnailProviderTest, FilesWithoutThumbnailsFailuresPlaceholdersAndGoneReceivers) {
    ask(clipAt("A001_C002.BRAW"));
    const Clip movie = clipAt("CLIP.MOV");
    ask(movie);
    ASSERT_TRUE(heardCount("A001_C002.BRAW", 1) && startedCount(1));
    EXPECT_FALSE(heard["A001_C002.BRAW"][0]);

    const Clip damaged = clipAt("DAMAGED.JPG");
    const ThumbnailKey damagedKey = ask(damaged);
    ASSERT_TRUE(startedCount(2));
    finish(damaged.url, false);
    ASSERT_TRUE(heardCount("DAMAGED.JPG", 1));
    EXPECT_TRUE(provider.hasFailed(damagedKey));
    ask(damaged);
    provider.setUsesPlaceholders(true);
    ask(clipAt("IMG_0001.JPG"));
    ASSERT_TRUE(heardCount("DAMAGED.JPG", 2) && heardCount("IMG_0001.JPG", 1));
    EXPECT_FALSE(heard["DAMAGED.JPG"][1] || heard["IMG_0001.JPG"][0]);
    EXPECT_EQ(started().size(), 2);
    provider.setUsesPlaceholders(false);

    // A view that is gone hears nothing, neither of a drawing it joined nor of a known answer.
    int viewHeard = 0;
    {
        QObject view;
        const Clip braw = clipAt("A001_C003.BRAW");
        provider.image(braw, ThumbnailKey::of(braw, 64, 1), &view, [&](auto&) { ++viewHeard; });
        provider.image(movie, ThumbnailKey::of(movie, 64, 1), &view, [&](auto&) { ++viewHeard; });
    }
    finish(movie.url);
    ASSERT_TRUE(heardCount("CLIP.MOV", 1));
    EXPECT_TRUE(heard["CLIP.MOV"][0]);
    EXPECT_EQ(viewHeard, 0);
}

TEST(AsyncLimiterTest, GrantsUpToTheLimitThenFirstComeFirstServedAndCancels) {
    AsyncLimiter limiter(0); // below 1 counts as 1
    QStringList log;
    auto note = [&](const QString& name) {
        return [&log, name](bool granted) { log.append(name + (granted ? "+" : "-")); };
    };
    EXPECT_FALSE(limiter.acquire(note("a")));
    const auto b = limiter.acquire(note("b"));
    const auto c = limiter.acquire(note("c"));
    limiter.acquire(note("d"));
    ASSERT_TRUE(b && c);
    limiter.cancel(*c);
    limiter.cancel(*c);
    limiter.release();
    limiter.cancelWaiting();
    limiter.release();
    limiter.release(); // never below zero
    EXPECT_EQ(limiter.running(), 0);
    EXPECT_EQ(log, QStringList({"a+", "c-", "b+", "d-"}));
}

TEST(ThumbnailCacheTest, EvictsLeastRecentlyUsedByCountAndByCost) {
    ThumbnailCache cache(3, 100);
    for (const char* key : {"a", "b", "c"})
        cache.insert(key, QImage(), 10);
    EXPECT_TRUE(cache.find("a"));
    cache.insert("d", QImage(), 10);
    cache.insert("e", QImage(), 85);
    cache.insert("huge", QImage(), 101);
    EXPECT_EQ(cache.count(), 2);
    EXPECT_TRUE(cache.contains("d") && cache.contains("e"));
    EXPECT_EQ(cache.totalCost(), 95);
}

TEST(ThumbnailKeyTest, TheEdgeStaysSaneAndOnlySomeFilesHaveThumbnails) {
    ThumbnailKey key = ThumbnailKey::of(clipAt("C0001.MP4"), 33.3, 2);
    EXPECT_EQ(key.pixelEdge(), 67);
    key.points = -5;
    EXPECT_EQ(key.pixelEdge(), 1);
    key.points = 1e9;
    EXPECT_EQ(key.pixelEdge(), ThumbnailKey::maxPixelEdge);
    // The placeholder's colour must not change between runs.
    EXPECT_EQ(StableHash::of(QStringLiteral("Dépôt.JPG")), 0xa449bf55b558fd1fULL);

    for (const char* name : {"clip.mov", "IMG_1.HEIC", "DSC1.ARW"})
        EXPECT_TRUE(MediaPreviewSupport::hasThumbnail(QString::fromUtf8(name))) << name;
    for (const char* name : {"A001.BRAW", "C0001.MXF", "M.XML", "dir.jpg/file", "GX01.LRV"})
        EXPECT_FALSE(MediaPreviewSupport::hasThumbnail(QString::fromUtf8(name))) << name;
}
