#include "diagnostics/Log.h"

#include "Printing.h"
#include "support/TestSupport.h"

#include <QDir>
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
    const QString text = QString::fromUtf8(test::readFile(path));
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

class LogFileTest : public ::testing::Test {
protected:
    void TearDown() override { Log::useFile({}); }
    test::TempDir dir;
    QString path = dir(QStringLiteral("logs/Stowly.log"));
};

} // namespace

TEST(LogFormatTest, TimestampHasMillisecondsAndLocalOffset) {
    // The tests run in Europe/Berlin: +02:00 in summer, +01:00 in winter.
    const QDateTime summer(QDate(2024, 5, 1), QTime(12, 3, 22, 123), Qt::UTC);
    EXPECT_EQ(Log::timestamp(summer), "2024-05-01T14:03:22.123+02:00");
    const QDateTime winter(QDate(2024, 1, 15), QTime(23, 30, 0, 5), Qt::UTC);
    EXPECT_EQ(Log::timestamp(winter), "2024-01-16T00:30:00.005+01:00");
    // Whole seconds keep their ".000": the reader relies on one shape.
    const QDateTime whole(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC);
    EXPECT_EQ(Log::timestamp(whole), "2024-05-01T14:00:00.000+02:00");
}

TEST(LogFormatTest, ZeroAndNegativeOffsetsAreWrittenAsNumbers) {
    const QByteArray saved = qgetenv("TZ");
    for (const auto& [zone, expected] :
         {std::pair{"UTC", "2024-05-01T12:00:00.250+00:00"},
          std::pair{"America/St_Johns", "2024-05-01T09:30:00.250-02:30"}}) {
        qputenv("TZ", zone);
        const QDateTime time(QDate(2024, 5, 1), QTime(12, 0, 0, 250), Qt::UTC);
        EXPECT_EQ(Log::timestamp(time), expected) << zone;
    }
    qputenv("TZ", saved);
}

TEST(LogFormatTest, LineNamesCategoryAndKeepsOneEntryPerLine) {
    const QDateTime time(QDate(2024, 5, 1), QTime(12, 3, 22, 123), Qt::UTC);
    EXPECT_EQ(Log::line(time, Log::Category::app, QStringLiteral("Stowly launched")),
              "2024-05-01T14:03:22.123+02:00 [App] Stowly launched");
    EXPECT_EQ(Log::line(time, Log::Category::importPrompt, QStringLiteral("a\nb\r\nc\rd")),
              "2024-05-01T14:03:22.123+02:00 [ImportPrompt] a b c d");
}

TEST_F(LogFileTest, AppendsWellFormedLinesAndMakesItsFolder) {
    Log::useFile(path);
    Log::info(Log::Category::app, QStringLiteral("first"));
    Log::info(Log::Category::importPrompt, QStringLiteral("Card “A” – second"));
    const QStringList lines = linesOf(path);
    ASSERT_EQ(lines.size(), 2);
    for (const QString& line : lines)
        EXPECT_TRUE(linePattern.match(line).hasMatch()) << line.toStdString();
    EXPECT_TRUE(lines[0].endsWith(" [App] first"));
    EXPECT_TRUE(lines[1].endsWith(" [ImportPrompt] Card “A” – second"));
    EXPECT_EQ(Log::files(), QStringList{path});
}

TEST_F(LogFileTest, DefaultFileLivesInStateFolder) {
    Log::useDefaultFile();
    EXPECT_EQ(Log::filePath(),
              qEnvironmentVariable("XDG_STATE_HOME") + QStringLiteral("/Stowly/Stowly.log"));
    Log::useFile({});
    EXPECT_TRUE(Log::filePath().isEmpty());
    EXPECT_TRUE(Log::files().isEmpty());
}

TEST_F(LogFileTest, RotatesKeepingThreeOlderFilesWithNewestLinesLast) {
    const qint64 limit = 1000;
    Log::useFile(path, limit);
    const int count = 200;
    for (int i = 0; i < count; ++i)
        Log::info(Log::Category::app, QStringLiteral("line %1").arg(i, 4, 10, QLatin1Char('0')));

    const QStringList files = Log::files();
    ASSERT_EQ(files.size(), 1 + Log::keptFiles);
    EXPECT_EQ(files, QStringList({path + ".3", path + ".2", path + ".1", path}));
    EXPECT_FALSE(QFile::exists(path + ".4"));

    QStringList all;
    for (const QString& file : files) {
        EXPECT_LE(QFileInfo(file).size(), limit) << file.toStdString();
        all += linesOf(file);
    }
    // Whole lines only, in order, ending with the newest; the oldest went with rotation.
    ASSERT_GT(all.size(), 0);
    ASSERT_LT(all.size(), count);
    const int first = count - int(all.size());
    for (int i = 0; i < all.size(); ++i) {
        ASSERT_TRUE(linePattern.match(all[i]).hasMatch()) << all[i].toStdString();
        EXPECT_TRUE(
            all[i].endsWith(QStringLiteral("line %1").arg(first + i, 4, 10, QLatin1Char('0'))));
    }
}

TEST_F(LogFileTest, LineLongerThanRotationSizeIsStillWritten) {
    Log::useFile(path, 100);
    const QString longMessage(500, u'x');
    Log::info(Log::Category::app, longMessage);
    Log::info(Log::Category::app, longMessage);
    EXPECT_TRUE(linesOf(path).value(0).endsWith(longMessage));
    EXPECT_TRUE(linesOf(path + ".1").value(0).endsWith(longMessage));
    EXPECT_FALSE(QFile::exists(path + ".2"));
}

TEST_F(LogFileTest, FollowsFileRotatedByAnotherProcess) {
    Log::useFile(path);
    Log::info(Log::Category::app, QStringLiteral("before"));
    ASSERT_TRUE(QFile::rename(path, path + ".1"));
    Log::info(Log::Category::app, QStringLiteral("after"));
    ASSERT_EQ(linesOf(path).size(), 1);
    EXPECT_TRUE(linesOf(path)[0].endsWith("after"));
    EXPECT_EQ(linesOf(path + ".1").size(), 1);
}

TEST_F(LogFileTest, UnwritableLocationLosesNothingElse) {
    test::writeFile(dir(QStringLiteral("blocker")), "a file, not a folder");
    Log::useFile(dir(QStringLiteral("blocker/Stowly.log")));
    Log::info(Log::Category::app, QStringLiteral("goes nowhere"));
    EXPECT_TRUE(Log::files().isEmpty());
    Log::useFile(path);
    Log::info(Log::Category::app, QStringLiteral("arrives"));
    EXPECT_EQ(linesOf(path).size(), 1);
}

TEST_F(LogFileTest, ConcurrentWritersNeitherMixNorLoseLines) {
    Log::useFile(path);
    const int threads = 8;
    const int perThread = 400;
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
    QString previousTime;
    for (const QString& line : lines) {
        ASSERT_TRUE(linePattern.match(line).hasMatch()) << line.toStdString();
        const QRegularExpressionMatch m = entry.match(line);
        ASSERT_TRUE(m.hasMatch()) << line.toStdString();
        const int writer = m.captured(1).toInt();
        EXPECT_EQ(m.captured(2).toInt(), next[writer]++) << "lines of one writer stay in order";
        // Times never go backwards in the file.
        const QString time = line.left(line.indexOf(u' '));
        EXPECT_GE(time, previousTime);
        previousTime = time;
    }
}

TEST_F(LogFileTest, ConcurrentWritersDuringRotationLeaveOnlyWholeLines) {
    Log::useFile(path, 4096);
    std::vector<std::thread> writers;
    for (int t = 0; t < 4; ++t)
        writers.emplace_back([t] {
            for (int i = 0; i < 300; ++i)
                Log::info(Log::Category::importPrompt, QStringLiteral("w%1 %2").arg(t).arg(i));
        });
    for (std::thread& writer : writers)
        writer.join();
    const QStringList files = Log::files();
    EXPECT_EQ(files.size(), 1 + Log::keptFiles);
    for (const QString& file : files) {
        EXPECT_LE(QFileInfo(file).size(), 4096);
        for (const QString& line : linesOf(file))
            ASSERT_TRUE(linePattern.match(line).hasMatch()) << line.toStdString();
    }
}
