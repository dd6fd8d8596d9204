#include "media/DurationFormatting.h"
#include "media/DurationScanner.h"
#include "media/HelperDurationReader.h"

#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <atomic>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace stowly;
using namespace stowly::test;
using namespace std::chrono_literals;

namespace {

QByteArray sample(const char* name) {
    return QByteArray(STOWLY_TEST_DATA_DIR) + "/media/" + name;
}

Clip clipOf(const QByteArray& url, const QString& relativePath) {
    Clip c;
    c.url = url;
    c.relativePath = relativePath;
    c.size = 1;
    c.modificationDate = QDateTime::fromSecsSinceEpoch(1000, Qt::UTC);
    return c;
}

// Answers from a table, counting readings and the most that ran at once.
class CountingReader : public DurationReading {
public:
    std::optional<double> duration(const QByteArray& url) override {
        const int now = ++running;
        {
            std::lock_guard lock(mutex);
            peak = std::max(peak, now);
            ++calls;
        }
        std::this_thread::sleep_for(5ms);
        --running;
        if (url.endsWith("bad.mp4"))
            return std::nullopt;
        return url.size();
    }
    std::atomic<int> running{0};
    std::mutex mutex;
    int peak = 0;
    int calls = 0;
};

} // namespace

// Read in a decoding helper, as the program does: only plain files reach it.
TEST(HelperDurationReaderTest, ReadsOurSampleClipsAndGivesNoneForFilesItCannotRead) {
    HelperDurationReader reader;
    EXPECT_NEAR(reader.duration(sample("clip-10s.mov")).value_or(-1), 10.0, 0.05);
    TempDir dir;
    writeFile(dir("garbage.mp4"), QByteArray(4096, 'x'));
    writeFile(dir("empty.mov"));
    writeFile(dir("a:b.mp4"), readFile(sample("clip-1s.mp4")));
    writeFile(dir("A001.BRAW"), readFile(sample("clip-1s.mp4")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir("stuck.mp4")).constData(), 0600), 0);
    for (const char* name : {"garbage.mp4", "empty.mov", "missing.mp4", "A001.BRAW", "stuck.mp4"})
        EXPECT_FALSE(reader.duration(QFile::encodeName(dir(name)))) << name;
    // A colon in the name is not a protocol.
    EXPECT_NEAR(reader.duration(QFile::encodeName(dir("a:b.mp4"))).value_or(-1), 1.0, 0.05);
}

TEST(DurationScannerTest, ReadsVideosOnlyWithinTheWindowAndRemembersEverything) {
    CountingReader reader;
    QList<Clip> clips;
    for (int i = 0; i < 10; ++i)
        clips.append(clipOf(QByteArray("/card/clip") + QByteArray::number(i) + ".mp4",
                            QStringLiteral("clip%1.mp4").arg(i)));
    clips.append(clipOf("/card/bad.mp4", "bad.mp4"));
    clips.append(clipOf("/card/photo.jpg", "photo.jpg"));
    clips.append(clipOf("/card/sound.wav", "sound.wav"));

    const DurationScanner::Result first = DurationScanner::read(clips, "V", {}, reader, 4);
    EXPECT_EQ(reader.calls, 11);
    EXPECT_LE(reader.peak, 4);
    EXPECT_GE(reader.peak, 2);
    EXPECT_EQ(first.byPath.size(), 10);
    EXPECT_EQ(first.fresh.size(), 11);
    EXPECT_FALSE(first.fresh.value(clips[10].historyKey("V")));

    // A second read of the same card reads nothing and knows the same durations.
    const DurationScanner::Result second =
        DurationScanner::read(clips, "V", first.fresh, reader, 4);
    EXPECT_EQ(reader.calls, 11);
    EXPECT_TRUE(second.fresh.isEmpty());
    EXPECT_EQ(second.byPath, first.byPath);

    // A changed file has another key and is read again.
    clips[0].size = 2;
    DurationScanner::read(clips, "V", first.fresh, reader, 0);
    EXPECT_EQ(reader.calls, 12);
}

TEST(DurationFormattingTest, ImpossibleDurationsShowAsZero) {
    EXPECT_EQ(DurationFormatting::shortText(3661), "1:01:01");
    EXPECT_EQ(DurationFormatting::shortText(-3), "0:00");
    EXPECT_EQ(DurationFormatting::shortText(std::nan("")), "0:00");
}
