// A source something still writes to: what the copy says and what it leaves.
#include "CopyTestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

using namespace stowly;
using namespace stowly::test;

namespace {

constexpr qint64 MiB = 1024 * 1024;

enum class Change { grows, rewrittenInPlace, truncated };

class ChangingSourceTest : public ::testing::TestWithParam<Change> {};

TEST_P(ChangingSourceTest, FailsAsChangedAndLeavesNothing) {
    TempDir dir;
    const QString source = writeFile(dir("card/C0001.MP4"), patternBytes(20 * MiB));
    // Dates from the past, so a change now moves them whatever the clock's granularity.
    setModificationTime(source, QDateTime(QDate(2026, 2, 3), QTime(4, 5, 6), Qt::UTC));
    QDir().mkpath(dir("dest"));

    RecordedCopy copy;
    copy.afterChunk = [&](int chunk) {
        if (chunk != 1)
            return;
        const int fd = ::open(fileNames::encode(source).constData(), O_WRONLY);
        ASSERT_GE(fd, 0);
        const QByteArray more = patternBytes(MiB, 7);
        switch (GetParam()) {
        case Change::grows:
            ASSERT_EQ(::pwrite(fd, more.constData(), size_t(more.size()), 20 * MiB), more.size());
            break;
        case Change::rewrittenInPlace:
            ASSERT_EQ(::pwrite(fd, "XXXX", 4, 12 * MiB), 4);
            break;
        case Change::truncated:
            ASSERT_EQ(::ftruncate(fd, 10 * MiB), 0);
            break;
        }
        ::close(fd);
    };
    const CopyResult result = copy.run(source, dir("dest/C0001.MP4"));
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.failure().kind, CopyFailure::Kind::sourceChanged);
    EXPECT_EQ(result.failure().description, "C0001.MP4 changed while it was being copied.");
    EXPECT_EQ(copy.verifications, 0);
    EXPECT_TRUE(namesIn(dir("dest")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Changes, ChangingSourceTest,
                         ::testing::Values(Change::grows, Change::rewrittenInPlace,
                                           Change::truncated));

} // namespace
