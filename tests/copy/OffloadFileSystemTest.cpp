// Offloads onto real destination file systems other than the temporary folder's: exFAT through
// FUSE (what many travel drives carry, and which refuses both the no-replace rename and hard
// links), tmpfs, whose copies can be read back only from memory, and real file servers on
// loopback: a Samba share through rclone (which refuses to rename a file still open) and SFTP
// through sshfs.

#include "CopyTestSupport.h"
#include "copy/Offloader.h"
#include "copy/ReadBack.h"
#include "copy/ReadBackPieces.h"
#include "support/NetworkShare.h"
#include "support/ScratchMount.h"

#include <gtest/gtest.h>

#include <array>

#include <linux/magic.h>
#include <sys/statfs.h>

using namespace stowly;
using namespace stowly::test;

namespace {

constexpr qint64 MiB = 1024 * 1024;

enum class Destination { exfatFuse, tmpfs, smb, sftp };

class OffloadFileSystemTest : public ::testing::TestWithParam<Destination> {
protected:
    void SetUp() override {
        QString whyNot;
        drive = dir("drive");
        if (GetParam() == Destination::exfatFuse) {
            mount = ScratchMount::exfatImage(dir.path(), 96 * MiB, &whyNot);
            if (mount && !mount->mount(drive, ScratchMount::Driver::fuse, &whyNot))
                mount.reset();
        } else if (GetParam() == Destination::tmpfs) {
            mount = ScratchMount::tmpfs(drive, 96 * MiB, &whyNot);
        } else {
            share = NetworkShare::start(GetParam() == Destination::smb ? NetworkShare::Kind::smb
                                                                       : NetworkShare::Kind::sftp,
                                        dir("share"), &whyNot);
            if (share)
                drive = share->mountPoint();
        }
        if (!mount && !share)
            GTEST_SKIP() << whyNot.toStdString();
    }

    void TearDown() override {
        mount.reset();
        share.reset();
    }

    void addToPlan(const QString& relativePath, const QByteArray& content, const QString& folder) {
        job.plan.append(plannedCopy(dir("card"), relativePath, content, folder,
                                    relativePath.section(u'/', -1)));
        setModificationTime(dir("card/" + relativePath),
                            QDateTime(QDate(2026, 2, 3), QTime(4, 5, 6), Qt::UTC));
        contents.append(content);
    }

    TempDir dir;
    std::unique_ptr<ScratchMount> mount;
    std::unique_ptr<NetworkShare> share;
    QString drive;
    OffloadJob job;
    QList<QByteArray> contents;
};

TEST_P(OffloadFileSystemTest, OffloadLeavesVerifiedCopiesWithTheirDatesAndNothingElse) {
    addToPlan("PRIVATE/CLIP/C0001.MP4", patternBytes(20 * MiB, 1), "2026-02-03/Clips");
    addToPlan("DCIM/IMG_0001.JPG", patternBytes(5 * MiB + 123, 2), "2026-02-03");
    addToPlan("DCIM/EMPTY.XML", QByteArray(), "2026-02-03");
    job.destination = drive;

    QList<HistoryEntry> entries;
    const OffloadSummary first = Offloader::run(
        job, {}, [&](const HistoryEntry& entry, const QString&, const QMap<QString, QString>&) {
            entries.append(entry);
        });
    // The same plan again must not touch the first copies: it gets the next free names.
    const OffloadSummary second = Offloader::run(
        job, {}, [&](const HistoryEntry& entry, const QString&, const QMap<QString, QString>&) {
            entries.append(entry);
        });

    EXPECT_EQ(withoutCopies(first), (OffloadSummary{3, 0, 0, false, {}}));
    EXPECT_EQ(withoutCopies(second), (OffloadSummary{3, 0, 0, false, {}}));
    ASSERT_EQ(entries.size(), 6);
    for (int i = 0; i < 6; ++i) {
        const HistoryEntry& entry = entries[i];
        const QByteArray& content = contents[i % 3];
        EXPECT_EQ(readFile(entry.destinationPath), content) << entry.destinationPath.toStdString();
        EXPECT_EQ(entry.sha256, sha256Text(content));
        const CopyResult fromDevice =
            Copier::sha256(fileNames::encode(entry.destinationPath), Copier::chunkSize, true);
        ASSERT_TRUE(fromDevice.ok());
        EXPECT_EQ(fromDevice.digest(), entry.sha256);
        EXPECT_EQ(modificationSeconds(entry.destinationPath),
                  modificationSeconds(fileNames::decode(job.plan[i % 3].clip.url)));
    }
    const ReadBack expected = std::array{ReadBack::device, ReadBack::unassured, ReadBack::share,
                                         ReadBack::share}[int(GetParam())];
    EXPECT_EQ(readBackOf(drive), expected);
    for (const CopyOutcome& copy : first.copies + second.copies)
        EXPECT_EQ(copy.readBack, expected) << copy.path.toStdString();
    EXPECT_EQ(entries[3].destinationPath, drive + "/2026-02-03/Clips/C0001_2.MP4");
    EXPECT_EQ(namesIn(drive + "/2026-02-03"),
              (QStringList{"Clips", "EMPTY.XML", "EMPTY_2.XML", "IMG_0001.JPG", "IMG_0001_2.JPG"}));
    EXPECT_EQ(namesIn(drive + "/2026-02-03/Clips"), (QStringList{"C0001.MP4", "C0001_2.MP4"}));
}

TEST_P(OffloadFileSystemTest, ALargeCopyReadBackInPiecesWhileWrittenIsWhole) {
    // Written and read back through two descriptors at once, where the file system may allow
    // no reads around its cache.
    addToPlan("PRIVATE/CLIP/C0002.MP4", patternBytes(ReadBackPieces::pieceSize + 9 * MiB, 3),
              QString());
    job.destination = drive;
    QList<HistoryEntry> entries;
    EXPECT_EQ(Offloader::run(job, {},
                             [&](const HistoryEntry& entry, const QString&,
                                 const QMap<QString, QString>&) { entries.append(entry); })
                  .copied,
              1);
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].sha256, sha256Text(contents[0]));
    EXPECT_EQ(readFile(entries[0].destinationPath), contents[0]);
}

TEST_P(OffloadFileSystemTest, FileThatAppearsDuringVerificationIsKeptAndTheCopyRemoved) {
    const QString source = writeFile(dir("card/C0001.MP4"), patternBytes(MiB));
    const QString target = drive + "/C0001.MP4";
    RecordedCopy copy;
    copy.atVerify = [&] { writeFile(target, "arrived meanwhile"); };

    const CopyResult result = copy.run(source, target);

    EXPECT_EQ(outcomeOf(result),
              "Couldn’t rename C0001.MP4.stowly-partial to C0001.MP4: File exists.");
    EXPECT_EQ(readFile(target), "arrived meanwhile");
    EXPECT_EQ(namesIn(drive), QStringList{"C0001.MP4"});
}

TEST(ReadBackOfTest, ALocalDiskReadsBackFromTheDeviceAndAFolderThatIsNotThereIsUnassured) {
    TempDir dir;
    struct statfs fileSystem {};
    ASSERT_EQ(::statfs(fileNames::encode(dir.path()).constData(), &fileSystem), 0);
    if (fileSystem.f_type != EXT4_SUPER_MAGIC)
        GTEST_SKIP() << "the temporary folder is on no ext4 file system here";
    EXPECT_EQ(readBackOf(dir.path()), ReadBack::device);
    EXPECT_EQ(readBackOf(dir("missing")), ReadBack::unassured);
}

INSTANTIATE_TEST_SUITE_P(
    Destinations, OffloadFileSystemTest,
    ::testing::Values(Destination::exfatFuse, Destination::tmpfs, Destination::smb,
                      Destination::sftp),
    [](const ::testing::TestParamInfo<Destination>& info) {
        return std::string(std::array{"exfatFuse", "tmpfs", "smb", "sftp"}[int(info.param)]);
    });

} // namespace
