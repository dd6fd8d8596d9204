#include "copy/Offloader.h"
#include "CopyTestSupport.h"
#include "copy/FreeURL.h"

#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace stowly;
using namespace stowly::test;

namespace {

constexpr qint64 MiB = 1024 * 1024;

// A run over a hand-made plan with everything it reported.
class OffloaderTest : public ::testing::Test {
protected:
    TempDir dir;
    OffloadJob job;
    QList<OffloadProgress> reports;
    QList<LedgerEntry> entries;
    std::stop_source stop;
    std::function<void(const OffloadProgress&)> onProgress;
    std::function<void(const LedgerEntry&)> onRecord;

    void SetUp() override {
        job.card = CardVolume{dir("card"), "CARD", "0A1B2C3D-0000-0000-0000-000000000001"};
        job.destination = dir("dest");
        job.alreadyOffloaded = 4;
        QDir().mkpath(job.destination);
    }

    // Puts a file on the card and plans it into `folder`/`fileName`.
    PlannedFile& plan(const QString& relativePath, const QByteArray& content, const QString& folder,
                      const QString& fileName) {
        const QString path = writeFile(dir("card/" + relativePath), content);
        Clip clip;
        clip.url = fileNames::encode(path);
        clip.relativePath = relativePath;
        clip.size = content.size();
        clip.modificationDate = QDateTime(QDate(2026, 3, 1), QTime(10, 0), Qt::UTC);
        job.plan.append(
            PlannedFile{clip, folder, fileName, std::nullopt, FileRole::main, std::nullopt});
        return job.plan.last();
    }

    OffloadSummary run() {
        return Offloader::run(
            job,
            [&](const OffloadProgress& progress) {
                reports.append(progress);
                if (onProgress)
                    onProgress(progress);
            },
            [&](const LedgerEntry& entry) {
                entries.append(entry);
                if (onRecord)
                    onRecord(entry);
            },
            stop.get_token());
    }
};

OffloadProgress progressOf(int filesDone, const QString& file, const QString& id, qint64 bytesDone,
                           qint64 bytesTotal, qint64 currentFileBytes, bool verifying) {
    return OffloadProgress{filesDone,        1,        file, id, bytesDone, bytesTotal,
                           currentFileBytes, verifying};
}

TEST_F(OffloaderTest, ReportsEveryStepOfAFileAndRecordsItsVerifiedCopy) {
    const QByteArray content = patternBytes(9 * MiB);
    plan("PRIVATE/M4ROOT/CLIP/C0001.MP4", content, "2026/Shoot", "Shoot_0001.MP4");
    const QDateTime before = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch());

    const OffloadSummary summary = run();

    EXPECT_EQ(withoutCopies(summary), (OffloadSummary{1, 4, 0, false, {}}));
    const QString file = "C0001.MP4";
    const QString id = "PRIVATE/M4ROOT/CLIP/C0001.MP4";
    const qint64 total = content.size();
    EXPECT_EQ(reports, (QList<OffloadProgress>{
                           progressOf(0, file, id, 0, total, 0, false),
                           progressOf(0, file, id, 8 * MiB, total, 8 * MiB, false),
                           progressOf(0, file, id, total, total, total, false),
                           progressOf(0, file, id, total, total, total, true),
                           progressOf(1, file, id, total, total, 0, false),
                       }));

    const QString target = dir("dest/2026/Shoot/Shoot_0001.MP4");
    ASSERT_EQ(entries.size(), 1);
    const QDateTime at = entries[0].offloadedAt;
    EXPECT_EQ(entries[0], (LedgerEntry{job.plan[0].clip.ledgerKey(*job.card.uuid), "CARD", id,
                                       target, total, sha256Text(content), at}));
    EXPECT_GE(at, before);
    EXPECT_EQ(at.time().msec(), 0);
    EXPECT_EQ(readFile(target), content);
}

TEST_F(OffloaderTest, FileWithoutFolderLandsInTheRootAndCardWithoutUuidKeysByName) {
    job.card.uuid.reset();
    plan("DCIM/IMG_0001.JPG", "jpeg", QString(), "IMG_0001.JPG");
    EXPECT_EQ(run().copied, 1);
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].destinationPath, dir("dest/IMG_0001.JPG"));
    EXPECT_TRUE(entries[0].sourceKey.startsWith("CARD|DCIM/IMG_0001.JPG|4|"));
}

TEST_F(OffloaderTest, AFileThatFailsIsListedAndTheRunGoesOn) {
    plan("DCIM/A.JPG", patternBytes(5000), "Good", "A.JPG");
    plan("DCIM/B.JPG", "bb", "Blocked/Inner", "B.JPG");
    plan("DCIM/C.JPG", patternBytes(6000), "Good", "C.JPG");
    writeFile(dir("dest/Blocked"), "a file where a folder should be");
    onProgress = [&](const OffloadProgress& progress) {
        // The verification report comes before the read-back: alter the first copy there.
        if (progress.isVerifying && progress.currentFile == "A.JPG")
            writeFile(dir("dest/Good/A.JPG.stowly-partial"), patternBytes(5000, 2));
    };

    const OffloadSummary summary = run();

    EXPECT_EQ(summary.copied, 1);
    EXPECT_EQ(summary.failed, 2);
    EXPECT_FALSE(summary.cancelled);
    EXPECT_EQ(summary.failures,
              QStringList({"DCIM/A.JPG: Checksum mismatch for A.JPG. The copy was deleted.",
                           "DCIM/B.JPG: Couldn’t create the folder Blocked/Inner in the "
                           "destination: Not a directory."}));
    EXPECT_EQ(reports.last().filesDone, 3);
    EXPECT_EQ(reports.last().bytesDone, reports.last().bytesTotal);
    EXPECT_EQ(reports.last().bytesTotal, 11002);
    EXPECT_EQ(namesIn(dir("dest/Good")), QStringList{"C.JPG"});
}

TEST_F(OffloaderTest, TakenNameGetsTheNextFreeOneAndTheEntrySaysWhich) {
    plan("DCIM/IMG_0001.JPG", "new", "Day", "IMG_0001.JPG");
    writeFile(dir("dest/Day/IMG_0001.JPG"), "old");
    writeFile(dir("dest/Day/IMG_0001_2.JPG.stowly-partial"), "crash leftover");

    EXPECT_EQ(run().copied, 1);
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].destinationPath, dir("dest/Day/IMG_0001_3.JPG"));
    EXPECT_EQ(readFile(dir("dest/Day/IMG_0001.JPG")), "old");
    EXPECT_EQ(readFile(dir("dest/Day/IMG_0001_3.JPG")), "new");
}

TEST_F(OffloaderTest, OnlyAStopBeforeTheLastRecordCancelsTheRun) {
    EXPECT_EQ(withoutCopies(run()), (OffloadSummary{0, 4, 0, false, {}}));
    plan("A.MP4", "a", QString(), "A.MP4");
    stop.request_stop();
    EXPECT_EQ(withoutCopies(run()), (OffloadSummary{0, 4, 0, true, {}}));
    EXPECT_TRUE(reports.isEmpty() && entries.isEmpty() && namesIn(job.destination).isEmpty());

    stop = {};
    plan("B.MP4", "b", QString(), "B.MP4");
    onRecord = [&](const LedgerEntry& entry) {
        if (entry.sourceRelativePath == "B.MP4")
            stop.request_stop();
    };
    EXPECT_EQ(withoutCopies(run()), (OffloadSummary{2, 4, 0, false, {}}));
}

TEST_F(OffloaderTest, AFileOfAnotherSizeThanScannedFailsAsChangedAndIsNotRecorded) {
    // Its history key names the scanned size: recording other bytes under it would vouch for
    // a file that was never copied.
    PlannedFile& planned = plan("A.MP4", patternBytes(300), QString(), "A.MP4");
    planned.clip.size = 100;

    const OffloadSummary summary = run();
    EXPECT_EQ(summary.failed, 1);
    EXPECT_EQ(summary.failures.value(0), "A.MP4: A.MP4 changed while it was being copied.");
    EXPECT_TRUE(entries.isEmpty());
    EXPECT_TRUE(QDir(job.destination).isEmpty());
    EXPECT_EQ(reports.last().bytesDone, 100);
}

TEST_F(OffloaderTest, MissingDestinationIsNeverCreated) {
    // An unplugged drive leaves its mount point behind (or not even that): copies must not
    // land on the disk underneath.
    job.destination = dir("unplugged");
    plan("A.MP4", "a", "Day", "A.MP4");
    plan("B.MP4", "b", QString(), "B.MP4");

    const OffloadSummary summary = run();

    EXPECT_EQ(summary.failed, 2);
    EXPECT_EQ(summary.failures.value(0), "A.MP4: Couldn’t open the destination folder " +
                                             job.destination + ": No such file or directory.");
    EXPECT_FALSE(existsAt(job.destination));
}

} // namespace

TEST(FreeURLTest, NameWithoutExtension) {
    test::TempDir root;
    EXPECT_EQ(freeURL(root("bare")), root("bare"));
    test::writeFile(root("bare"));
    EXPECT_EQ(freeURL(root("bare")), root("bare_2"));
}
