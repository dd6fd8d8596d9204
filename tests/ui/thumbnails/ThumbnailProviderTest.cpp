#include "ui/thumbnails/ThumbnailProvider.h"
#include "base/StableHash.h"
#include "media/Clip.h"
#include "media/MediaPreviewSupport.h"
#include "support/TestSupport.h"
#include "ui/thumbnails/AsyncLimiter.h"
#include "ui/thumbnails/PlaceholderColor.h"
#include "ui/thumbnails/ThumbnailCache.h"
#include "ui/thumbnails/ThumbnailKey.h"

#include <QSignalSpy>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

using namespace stowly;
using test::spinUntil;

namespace {

// Renders that finish only when the test lets them, in whatever order it likes. They ignore
// the stop token, so a result can arrive after it was abandoned.
class HeldRenders {
public:
    ThumbnailProvider::Render render() {
        return [this](const QByteArray& path, int edge, std::stop_token) -> std::optional<QImage> {
            std::unique_lock lock(m_mutex);
            m_started.append({path, edge});
            m_changed.notify_all();
            m_changed.wait(lock, [&] { return m_released.contains(path); });
            m_released.remove(path);
            if (m_failing.contains(path))
                return std::nullopt;
            QImage image(edge, edge, QImage::Format_RGB32);
            image.fill(Qt::darkCyan);
            return image;
        };
    }
    void finish(const QByteArray& path, bool succeed = true) {
        std::lock_guard lock(m_mutex);
        m_released.insert(path);
        if (!succeed)
            m_failing.insert(path);
        m_changed.notify_all();
    }
    QList<std::pair<QByteArray, int>> started() const {
        std::lock_guard lock(m_mutex);
        return m_started;
    }
    qsizetype startCount() const { return started().size(); }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    QList<std::pair<QByteArray, int>> m_started;
    QSet<QByteArray> m_released;
    QSet<QByteArray> m_failing;
};

Clip clipNamed(const QString& name) {
    Clip clip;
    clip.relativePath = "DCIM/" + name;
    clip.url = "/card/DCIM/" + name.toUtf8();
    clip.size = 1000;
    clip.modificationDate = QDateTime(QDate(2026, 10, 25), QTime(9, 30), Qt::UTC);
    return clip;
}

struct Answers {
    QList<std::optional<QImage>> received;
    ThumbnailProvider::Done add() {
        return [this](const std::optional<QImage>& image) { received.append(image); };
    }
};

class ThumbnailProviderTest : public ::testing::Test {
protected:
    // Held renders each occupy a pool thread; a small machine's pool has fewer than four.
    void SetUp() override { QThreadPool::globalInstance()->setMaxThreadCount(poolSize + 8); }
    void TearDown() override {
        for (const auto& [path, edge] : held.started())
            held.finish(path);
        EXPECT_TRUE(spinUntil([&] { return provider.rendersRunning() == 0; }));
        QThreadPool::globalInstance()->setMaxThreadCount(poolSize);
    }
    ThumbnailKey ask(const Clip& clip, Answers& answers, double points = 64, double scale = 1) {
        const ThumbnailKey key = ThumbnailKey::of(clip, points, scale);
        provider.image(clip, key, &receiver, answers.add());
        return key;
    }

    const int poolSize = QThreadPool::globalInstance()->maxThreadCount();
    HeldRenders held;
    ThumbnailProvider provider{held.render()};
    QObject receiver;
};

} // namespace

TEST_F(ThumbnailProviderTest, SameKeyIsDrawnOnceAndSharedWhileScaleAndNewerFileMakeNewKeys) {
    QSignalSpy ready(&provider, &ThumbnailProvider::thumbnailReady);
    const Clip clip = clipNamed("C0001.MP4");
    Answers first, second, later;
    const ThumbnailKey key = ask(clip, first);
    ask(clip, second);
    ASSERT_TRUE(spinUntil([&] { return held.startCount() == 1; }));
    EXPECT_FALSE(provider.cached(key));

    held.finish(clip.url);
    ASSERT_TRUE(
        spinUntil([&] { return first.received.size() == 1 && second.received.size() == 1; }));
    ASSERT_TRUE(first.received[0] && second.received[0]);
    EXPECT_EQ(first.received[0]->size(), QSize(64, 64));
    ASSERT_EQ(ready.size(), 1);
    EXPECT_EQ(ready[0][0].toString(), key.cacheKey());
    ASSERT_TRUE(provider.cached(key));

    ask(clip, later);
    EXPECT_TRUE(later.received.isEmpty()); // even a cached answer comes from the event loop
    ASSERT_TRUE(spinUntil([&] { return later.received.size() == 1; }));
    EXPECT_TRUE(later.received[0]);
    EXPECT_EQ(held.startCount(), 1);

    // A sharper screen, then the same file written again: each needs its own drawing.
    ask(clip, later, 64, 2);
    Clip rewritten = clip;
    rewritten.modificationDate = clip.modificationDate->addSecs(1);
    ask(rewritten, later);
    ASSERT_TRUE(spinUntil([&] { return held.startCount() == 3; }));
    EXPECT_EQ(held.started()[1].second, 128);
    EXPECT_EQ(held.started()[2].second, 64);
    held.finish(clip.url);
    ASSERT_TRUE(spinUntil([&] { return later.received.size() == 2; }));
    held.finish(clip.url);
    ASSERT_TRUE(spinUntil([&] { return later.received.size() == 3; }));
    EXPECT_EQ(held.startCount(), 3);
}

TEST_F(ThumbnailProviderTest, FourDrawAtOnceOthersWaitInOrderAndCancelAllDropsEverything) {
    QSignalSpy ready(&provider, &ThumbnailProvider::thumbnailReady);
    QList<Clip> clips;
    QList<Answers> answers(6);
    QList<ThumbnailKey> keys;
    for (int i = 0; i < 6; ++i) {
        clips.append(clipNamed(QStringLiteral("C000%1.MOV").arg(i)));
        keys.append(ask(clips[i], answers[i]));
    }
    ASSERT_TRUE(spinUntil([&] { return held.startCount() == 4; }));
    EXPECT_EQ(provider.rendersRunning(), 4);

    held.finish(clips[0].url);
    ASSERT_TRUE(spinUntil([&] { return held.startCount() == 5; }));
    EXPECT_EQ(held.started()[4].first, clips[4].url);
    EXPECT_EQ(answers[0].received.size(), 1);

    // The waiting one and the four under way are answered with none before cancelAll returns.
    provider.cancelAll();
    for (int i = 1; i < 6; ++i) {
        ASSERT_EQ(answers[i].received.size(), 1) << i;
        EXPECT_FALSE(answers[i].received[0]) << i;
    }
    for (int i = 1; i < 5; ++i)
        held.finish(clips[i].url);
    ASSERT_TRUE(spinUntil([&] { return provider.rendersRunning() == 0; }));
    EXPECT_EQ(held.startCount(), 5);
    EXPECT_EQ(ready.size(), 1);
    for (int i = 1; i < 6; ++i) {
        EXPECT_FALSE(provider.cached(keys[i])) << i;
        EXPECT_FALSE(provider.hasFailed(keys[i])) << i;
        EXPECT_EQ(answers[i].received.size(), 1) << i;
    }
    EXPECT_TRUE(provider.cached(keys[0]));

    // The new generation draws again.
    Answers again;
    ask(clips[1], again);
    ASSERT_TRUE(spinUntil([&] { return held.startCount() == 6; }));
    held.finish(clips[1].url);
    ASSERT_TRUE(spinUntil([&] { return again.received.size() == 1; }));
    EXPECT_TRUE(again.received[0]);
}

TEST_F(ThumbnailProviderTest, FilesWithoutThumbnailsFailuresPlaceholdersAndGoneReceivers) {
    Answers braw, mov, broken, brokenAgain, placeholder;
    ask(clipNamed("A001_C002.BRAW"), braw);
    const Clip movie = clipNamed("CLIP.MOV");
    ask(movie, mov);
    ASSERT_TRUE(spinUntil([&] { return held.startCount() == 1 && braw.received.size() == 1; }));
    EXPECT_FALSE(braw.received[0]);
    EXPECT_EQ(held.started()[0].first, movie.url);

    const Clip damaged = clipNamed("DAMAGED.JPG");
    const ThumbnailKey damagedKey = ask(damaged, broken);
    ASSERT_TRUE(spinUntil([&] { return held.startCount() == 2; }));
    held.finish(damaged.url, false);
    ASSERT_TRUE(spinUntil([&] { return broken.received.size() == 1; }));
    EXPECT_FALSE(broken.received[0]);
    EXPECT_TRUE(provider.hasFailed(damagedKey));
    ask(damaged, brokenAgain);
    ASSERT_TRUE(spinUntil([&] { return brokenAgain.received.size() == 1; }));
    EXPECT_EQ(held.startCount(), 2);

    provider.setUsesPlaceholders(true);
    ask(clipNamed("IMG_0001.JPG"), placeholder);
    ASSERT_TRUE(spinUntil([&] { return placeholder.received.size() == 1; }));
    EXPECT_FALSE(placeholder.received[0]);
    EXPECT_EQ(held.startCount(), 2);
    provider.setUsesPlaceholders(false);

    // A view that is gone hears nothing, neither of a drawing it joined nor of a known answer.
    int heard = 0;
    {
        QObject view;
        const Clip braw = clipNamed("A001_C003.BRAW");
        provider.image(braw, ThumbnailKey::of(braw, 64, 1), &view, [&](auto&) { ++heard; });
        provider.image(movie, ThumbnailKey::of(movie, 64, 1), &view, [&](auto&) { ++heard; });
    }
    held.finish(movie.url);
    ASSERT_TRUE(spinUntil([&] { return mov.received.size() == 1; }));
    EXPECT_TRUE(mov.received[0]);
    EXPECT_EQ(heard, 0);
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
    EXPECT_EQ(limiter.running(), 1);
    limiter.cancelWaiting();
    limiter.release();
    limiter.release(); // never below zero
    EXPECT_EQ(limiter.running(), 0);
    EXPECT_EQ(log, QStringList({"a+", "c-", "b+", "d-"}));
}

TEST(ThumbnailCacheTest, EvictsLeastRecentlyUsedByCountAndByCost) {
    ThumbnailCache cache(3, 100);
    const QImage image(1, 1, QImage::Format_RGB32);
    cache.insert("a", image, 10);
    cache.insert("b", image, 10);
    cache.insert("c", image, 10);
    EXPECT_TRUE(cache.find("a"));
    cache.insert("d", image, 10);
    EXPECT_FALSE(cache.contains("b"));
    cache.insert("e", image, 85);
    EXPECT_EQ(cache.count(), 2);
    EXPECT_TRUE(cache.contains("d") && cache.contains("e"));
    EXPECT_EQ(cache.totalCost(), 95);
    cache.insert("huge", image, 101);
    EXPECT_FALSE(cache.contains("huge"));
    EXPECT_EQ(cache.totalCost(), 95);
}

TEST(ThumbnailKeyTest, CacheKeyNamesFileVersionAndPixelEdge) {
    Clip clip = clipNamed("C0001.MP4");
    clip.modificationDate = QDateTime(QDate(2001, 1, 1), QTime(0, 0, 12, 345), Qt::UTC);
    ThumbnailKey key = ThumbnailKey::of(clip, 33.3, 2);
    EXPECT_EQ(key.cacheKey(), "/card/DCIM/C0001.MP4|1000|12.345|67");
    clip.modificationDate.reset();
    key = ThumbnailKey::of(clip, 64, 1);
    EXPECT_EQ(key.cacheKey(), "/card/DCIM/C0001.MP4|1000|-|64");
    key.points = -5;
    EXPECT_EQ(key.pixelEdge(), 1);
    key.points = 1e9;
    EXPECT_EQ(key.pixelEdge(), ThumbnailKey::maxPixelEdge);
}

TEST(ThumbnailKeyTest, StableHashPreviewSupportAndPlaceholderColour) {
    EXPECT_EQ(StableHash::of(u""), 0xcbf29ce484222325ULL);
    EXPECT_EQ(StableHash::of(u"foobar"), 0x85944171f73967e8ULL);
    EXPECT_EQ(StableHash::of(QStringLiteral("Dépôt.JPG")), 0xa449bf55b558fd1fULL);
    EXPECT_DOUBLE_EQ(PlaceholderColor::position("C0001.MP4"), 0.328);
    EXPECT_EQ(PlaceholderColor::of("C0001.MP4", false), PlaceholderColor::colors(false)[2]);
    EXPECT_NE(PlaceholderColor::of("C0001.MP4", true), PlaceholderColor::of("C0001.MP4", false));

    for (const char* name : {"C0001.MP4", "clip.mov", "IMG_1.HEIC", "DSC1.ARW", "a/b.JPG"})
        EXPECT_TRUE(MediaPreviewSupport::hasThumbnail(QString::fromUtf8(name))) << name;
    for (const char* name : {"A001.BRAW", "C0001.MXF", "C.R3D", "M.XML", "take.wav", "README",
                             "dir.jpg/file", "GX01.LRV"})
        EXPECT_FALSE(MediaPreviewSupport::hasThumbnail(QString::fromUtf8(name))) << name;
}
