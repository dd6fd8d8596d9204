#include "base/Log.h"

#include "support/Printing.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace stowly;

namespace {

const QRegularExpression linePattern(QStringLiteral(
    R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}[+-]\d\d:\d\d \[(App|ImportPrompt)\] .*$)"));

QStringList linesOf(const QString& path) {
    QStringList lines = QString::fromUtf8(test::readFile(path)).split(u'\n');
    lines.removeAll(QString());
    return lines;
}

class LogFileTest : public ::testing::Test {
protected:
    void TearDown() override { Log::useFile({}); }
    test::TempDir dir;
    QString path = dir("logs/Stowly.log");
};

} // namespace

TEST(LogFormatTest, LocalTimeWithMillisecondsAndNumericOffset) {
    const QDateTime summer(QDate(2024, 5, 1), QTime(12, 3, 22, 123), Qt::UTC);
    EXPECT_EQ(Log::line(summer, Log::Category::app, "Stowly launched"),
              "2024-05-01T14:03:22.123+02:00 [App] Stowly launched");
    EXPECT_EQ(Log::timestamp(QDateTime(QDate(2024, 1, 15), QTime(23, 30), Qt::UTC)),
              "2024-01-16T00:30:00.000+01:00");
    // One entry, one line: the reader finds every entry's time at the start of a line.
    EXPECT_EQ(Log::line(summer, Log::Category::importPrompt, "a\nb\r\nc"),
              "2024-05-01T14:03:22.123+02:00 [ImportPrompt] a b c");

    const QByteArray saved = qgetenv("TZ");
    qputenv("TZ", "UTC");
    EXPECT_EQ(Log::timestamp(summer), "2024-05-01T12:03:22.123+00:00");
    qputenv("TZ", "America/St_Johns");
    EXPECT_EQ(Log::timestamp(summer), "2024-05-01T09:33:22.123-02:30");
    qputenv("TZ", saved);
}

TEST_F(LogFileTest, RotatesKeepingThreeOlderFilesOfWholeLinesAndFollowsAnotherRotation) {
    Log::useFile(path, 1000);
    for (int i = 0; i < 200; ++i)
        Log::info(Log::Category::app, QStringLiteral("line %1").arg(i, 4, 10, QLatin1Char('0')));

    const QStringList files = Log::files();
    EXPECT_EQ(files, QStringList({path + ".3", path + ".2", path + ".1", path}));
    QStringList all;
    for (const QString& file : files) {
        EXPECT_LE(QFileInfo(file).size(), 1000);
        all += linesOf(file);
    }
    ASSERT_TRUE(all.size() > 10 && all.size() < 200);
    const int first = 200 - int(all.size());
    for (int i = 0; i < all.size(); ++i) {
        ASSERT_TRUE(linePattern.match(all[i]).hasMatch()) << all[i].toStdString();
        EXPECT_TRUE(
            all[i].endsWith(QStringLiteral("line %1").arg(first + i, 4, 10, QLatin1Char('0'))));
    }

    // A line longer than the limit is written once; an empty file is never rotated.
    Log::useFile(dir("long.log"), 100);
    Log::info(Log::Category::app, QString(500, u'x'));
    Log::info(Log::Category::app, "next");
    EXPECT_TRUE(linesOf(dir("long.log.1")).value(0).endsWith(QString(500, u'x')));
    EXPECT_EQ(linesOf(dir("long.log")).size(), 1);
    EXPECT_FALSE(QFile::exists(dir("long.log.2")));

    // A file rotated by another process is followed.
    Log::useFile(dir("other.log"));
    Log::info(Log::Category::app, "before");
    ASSERT_TRUE(QFile::rename(dir("other.log"), dir("other.log.1")));
    Log::info(Log::Category::app, "after");
    EXPECT_TRUE(linesOf(dir("other.log")).value(0).endsWith("after"));
    EXPECT_EQ(linesOf(dir("other.log.1")).size(), 1);
}

TEST_F(LogFileTest, ConcurrentWritersNeitherMixNorLoseLines) {
    Log::useFile(path);
    const int threads = 8, perThread = 400;
    std::vector<std::thread> writers;
    for (int t = 0; t < threads; ++t)
        writers.emplace_back([t] {
            for (int i = 0; i < perThread; ++i)
                Log::info(
                    Log::Category::app,
                    QStringLiteral("writer %1 line %2 %3").arg(t).arg(i).arg(QString(60, u'.')));
        });
    for (std::thread& writer : writers)
        writer.join();

    const QStringList lines = linesOf(path);
    ASSERT_EQ(lines.size(), threads * perThread);
    const QRegularExpression entry(QStringLiteral(R"(\[App\] writer (\d) line (\d+) \.{60}$)"));
    std::vector<int> next(threads, 0);
    for (const QString& line : lines) {
        const QRegularExpressionMatch m = entry.match(line);
        ASSERT_TRUE(linePattern.match(line).hasMatch() && m.hasMatch()) << line.toStdString();
        EXPECT_EQ(m.captured(2).toInt(), next[m.captured(1).toInt()]++);
    }
}
