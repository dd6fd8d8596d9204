#include "decode/FFmpegDurationReader.h"
#include "media/DurationScanner.h"

#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
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

} // namespace

// A FIFO blocks any open: a raw format answered at once was never opened, and a reading that
// never answers is cut off at the limit.
TEST(FFmpegDurationReaderTest, RawFormatsAreNeverOpenedAndAReadingThatNeverAnswersIsCutOff) {
    TempDir dir;
    const QByteArray raw = QFile::encodeName(dir("A001.BRAW"));
    const QByteArray fifo = QFile::encodeName(dir("stuck.mp4"));
    ASSERT_EQ(::mkfifo(raw.constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    FFmpegDurationReader reader(300ms);
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(FFmpegDurationReader(10s).duration(raw));
    EXPECT_LT(timer.elapsed(), 1000);
    QList<Clip> clips{clipOf(sample("clip-1s.mp4"), "A.MP4"), clipOf(fifo, "B.MP4"),
                      clipOf(sample("clip-10s.mov"), "C.MOV")};
    const DurationScanner::Result result = DurationScanner::read(clips, "V", {}, reader, 1);
    EXPECT_EQ(result.byPath.size(), 2);
    EXPECT_NEAR(result.byPath.value("C.MOV"), 10.0, 0.05);
    ASSERT_TRUE(result.fresh.contains(clips[1].historyKey("V")));
    EXPECT_FALSE(result.fresh.value(clips[1].historyKey("V")));
    // Let the abandoned reading finish: a writer that opens and closes gives it end of file.
    const int writer = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0)
        ::close(writer);
}
