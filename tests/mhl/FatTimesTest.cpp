// FAT keeps a file's time to two seconds: a copy's date there is not the card's, and a later
// check must still find the copy as recorded.

#include "base/FileNames.h"
#include "copy/Offloader.h"
#include "mhl/GenerationWriter.h"
#include "mhl/HistoryCheck.h"
#include "mhl/MhlHistory.h"
#include "support/ScratchMount.h"
#include "support/TestSupport.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

TEST(FatTimesTest, CopyOnFatWithItsTwoSecondDatePassesAndStaysAsRecorded) {
    TempDir dir;
    QString whyNot;
    auto mount = ScratchMount::fatImage(dir.path(), 64 * 1024 * 1024, &whyNot);
    if (!mount || !mount->mountFat(dir("drive"), &whyNot))
        GTEST_SKIP() << whyNot.toStdString();

    const QByteArray content = "a clip on a FAT drive";
    const QString source = writeFile(dir("card/C0001.MP4"), content);
    const QDateTime shot(QDate(2026, 2, 3), QTime(4, 5, 7, 300), Qt::UTC);
    setModificationTime(source, shot);
    Clip clip;
    clip.url = fileNames::encode(source);
    clip.relativePath = "C0001.MP4";
    clip.size = content.size();
    OffloadJob job;
    job.plan = {{clip, "Clips", "C0001.MP4"}};
    job.destination = mount->path();
    job.xxh128 = true;
    job.startedAt = QDateTime::currentDateTimeUtc();
    const OffloadSummary summary = Offloader::run(job, {}, {});
    ASSERT_EQ(summary.copied, 1) << summary.failures.join('\n').toStdString();
    ASSERT_EQ(summary.copies.size(), 1);
    const CopyOutcome& copy = summary.copies[0];
    // The driver keeps the even second below, in a local time that this FUSE driver and the
    // process may not agree on by whole hours.
    const qint64 off = copy.modified.toSecsSinceEpoch() -
                       QDateTime(QDate(2026, 2, 3), QTime(4, 5, 6), Qt::UTC).toSecsSinceEpoch();
    EXPECT_EQ(off % 3600, 0) << copy.modified.toString(Qt::ISODateWithMs).toStdString();

    ASSERT_EQ(GenerationWriter::write(mount->path(),
                                      {{"Clips/C0001.MP4", copy.size, copy.modified, copy.xxh128,
                                        copy.hashedAt, copy.hashes}},
                                      {job.startedAt}),
              std::nullopt);
    auto loaded = MhlHistory::load(mount->path());
    ASSERT_TRUE(std::holds_alternative<MhlHistory>(loaded));
    const MhlHistory& history = std::get<MhlHistory>(loaded);
    ASSERT_EQ(history.recordedFiles().size(), 1);
    EXPECT_EQ(history.recordedFiles()[0].lastModificationDate,
              QFileInfo(mount->path() + "/Clips/C0001.MP4").lastModified().toUTC());
    const QList<HistoryCheck::Finding> findings = HistoryCheck::run(history);
    ASSERT_EQ(findings.size(), 1);
    EXPECT_EQ(findings[0].kind, HistoryCheck::Finding::Kind::verified);
}

} // namespace
