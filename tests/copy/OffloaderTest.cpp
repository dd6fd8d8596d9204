#include "copy/Offloader.h"
#include "CopyTestSupport.h"
#include "copy/ReadBackPieces.h"
#include "support/ScratchMount.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
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
    QList<HistoryEntry> entries;
    std::stop_source stop;
    std::function<void(const OffloadProgress&)> onProgress;
    std::function<void(const HistoryEntry&)> onRecord;
    FolderCalls calls = FolderCalls::system();
    CopyJournal* journal = nullptr;

    void SetUp() override {
        job.card = CardVolume{dir("card"), "CARD", "0A1B2C3D-0000-0000-0000-000000000001"};
        job.destination = dir("dest");
        job.alreadyOffloaded = 4;
        QDir().mkpath(job.destination);
    }

    // Puts a file on the card and plans it into `folder`/`fileName`.
    PlannedFile& plan(const QString& relativePath, const QByteArray& content, const QString& folder,
                      const QString& fileName) {
        job.plan.append(plannedCopy(dir("card"), relativePath, content, folder, fileName));
        job.plan.last().clip.modificationDate = QDateTime(QDate(2026, 3, 1), QTime(10, 0), Qt::UTC);
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
            [&](const HistoryEntry& entry, const QString&, const QMap<QString, QString>&) {
                entries.append(entry);
                if (onRecord)
                    onRecord(entry);
            },
            stop.get_token(), journal, calls);
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
    EXPECT_EQ(entries[0], (HistoryEntry{job.plan[0].clip.historyKey(*job.card.uuid), "CARD", id,
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

// A card pulled half way: the files after it are named once, together, instead of failing one
// by one with "No such file or directory"; what was copied stays recorded.
TEST_F(OffloaderTest, ACardUnmountedDuringTheRunLeavesTheRestNamedOnce) {
    QString whyNot;
    auto card = ScratchMount::exfatImage(dir.path(), 64 * MiB, &whyNot);
    if (!card || !card->mount(dir("card"), ScratchMount::Driver::kernelFirst, &whyNot))
        GTEST_SKIP() << whyNot.toStdString();
    for (int i = 1; i <= 5; ++i)
        plan(QStringLiteral("DCIM/DSC0000%1.ARW").arg(i), patternBytes(3 * MiB, i), "Raw",
             QStringLiteral("DSC0000%1.ARW").arg(i));
    ::sync();
    // Lazily, as a desktop does when the card is pulled: the file being read may still end.
    onProgress = [&](const OffloadProgress& progress) {
        if (progress.filesDone == 1 && card->isAttached() && !card->mountPoints().isEmpty())
            QProcess::execute("umount", {"-l", dir("card")});
    };
    const OffloadSummary summary = run();
    EXPECT_TRUE(summary.failures.isEmpty()) << summary.failures.join('\n').toStdString();
    ASSERT_FALSE(summary.leftOnRemovedCard.isEmpty());
    EXPECT_EQ(summary.leftOnRemovedCard.last(), "DCIM/DSC00005.ARW");
    EXPECT_EQ(summary.copied + summary.failed, 5);
    EXPECT_EQ(summary.failed, summary.leftOnRemovedCard.size());
    EXPECT_EQ(entries.size(), summary.copied);
    EXPECT_GE(summary.copied, 1);
    EXPECT_FALSE(summary.cancelled);
}

TEST_F(OffloaderTest, TakenNameGetsTheNextFreeOneAndTheEntrySaysWhich) {
    plan("DCIM/IMG_0001.JPG", "new", "Day", "IMG_0001.JPG");
    plan("DCIM/README", "notes", "Day", "README");
    writeFile(dir("dest/Day/IMG_0001.JPG"), "old");
    writeFile(dir("dest/Day/IMG_0001_2.JPG.stowly-partial"), "crash leftover");
    writeFile(dir("dest/Day/README"), "theirs");

    EXPECT_EQ(run().copied, 2);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].destinationPath, dir("dest/Day/IMG_0001_3.JPG"));
    EXPECT_EQ(readFile(dir("dest/Day/IMG_0001.JPG")), "old");
    EXPECT_EQ(readFile(dir("dest/Day/IMG_0001_3.JPG")), "new");
    // A name without an extension takes the number at its end.
    EXPECT_EQ(entries[1].destinationPath, dir("dest/Day/README_2"));
    EXPECT_EQ(readFile(dir("dest/Day/README")), "theirs");
}

TEST_F(OffloaderTest, OnlyAStopBeforeTheLastRecordCancelsTheRun) {
    EXPECT_EQ(withoutCopies(run()), (OffloadSummary{0, 4, 0, false, {}}));
    plan("A.MP4", "a", QString(), "A.MP4");
    stop.request_stop();
    EXPECT_EQ(withoutCopies(run()), (OffloadSummary{0, 4, 0, true, {}}));
    EXPECT_TRUE(reports.isEmpty() && entries.isEmpty() && namesIn(job.destination).isEmpty());

    stop = {};
    plan("B.MP4", "b", QString(), "B.MP4");
    onRecord = [&](const HistoryEntry& entry) {
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

// Holds one file's read-back at its start until the test lets it go, so that the next file is
// being copied meanwhile; a cap keeps a run that never gets there from hanging.
class HeldReadBack {
public:
    explicit HeldReadBack(const QByteArray& fileName) : m_partial(fileName + ".stowly-partial") {}

    // The destination's calls with the hold, and then `error` (0: the real open).
    FolderCalls calls(int error = 0) {
        FolderCalls calls = FolderCalls::system();
        calls.openAt = [this, error, open = calls.openAt](int folder, const char* name, int flags,
                                                          mode_t mode) {
            if ((flags & O_ACCMODE) == O_RDONLY && m_partial == name) {
                std::unique_lock lock(m_mutex);
                m_held = true;
                m_changed.notify_all();
                m_changed.wait_for(lock, std::chrono::seconds(20), [&] { return m_released; });
                if (error != 0) {
                    errno = error;
                    return -1;
                }
            }
            return open(folder, name, flags, mode);
        };
        return calls;
    }
    // Waits until the read-back is held; false when it never was.
    bool waitHeld() {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::seconds(20), [&] { return m_held; });
    }
    void release() {
        const std::lock_guard lock(m_mutex);
        m_released = true;
        m_changed.notify_all();
    }
    bool released() {
        const std::lock_guard lock(m_mutex);
        return m_released;
    }

private:
    QByteArray m_partial;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_held = false;
    bool m_released = false;
};

// The journal's notes, "<op> <file name>", in order.
class NotedJournal : public CopyJournal {
public:
    QStringList notes;
    std::optional<QString> copying(const QString& destination, const QString&) override {
        return note("copying", destination);
    }
    std::optional<QString> verifying(const HistoryEntry& entry) override {
        return note("verifying", entry.destinationPath);
    }
    std::optional<QString> dropped(const QString& destination) override {
        return note("dropped", destination);
    }

private:
    std::optional<QString> note(const QString& op, const QString& path) {
        notes << op + u' ' + path.section(u'/', -1);
        return std::nullopt;
    }
};

// A, then B large enough to report chunks while A is still being proved, then C; A's read-back
// is held until B is under way, when `whileHeld` runs.
class OffloadOverlapTest : public OffloaderTest {
protected:
    HeldReadBack held{"A.MP4"};
    NotedJournal notes;
    bool copiedBWhileAHeld = false;
    std::function<void()> whileHeld;

    void SetUp() override {
        OffloaderTest::SetUp();
        plan("A.MP4", patternBytes(3 * MiB, 1), QString(), "A.MP4");
        plan("B.MP4", patternBytes(20 * MiB, 2), QString(), "B.MP4");
        plan("C.MP4", patternBytes(1000, 3), QString(), "C.MP4");
        journal = &notes;
        onProgress = [&](const OffloadProgress& progress) {
            if (progress.currentFile != "B.MP4" || progress.currentFileBytes == 0 ||
                held.released())
                return;
            copiedBWhileAHeld = held.waitHeld() && entries.isEmpty();
            if (whileHeld)
                whileHeld();
            held.release();
        };
    }
};

TEST_F(OffloadOverlapTest, NoCopyIsRecordedBeforeItsOwnProofWhileTheNextFileIsCopied) {
    calls = held.calls();
    onRecord = [&](const HistoryEntry& entry) {
        EXPECT_TRUE(held.released()) << "recorded before its read-back";
        EXPECT_EQ(readFile(entry.destinationPath).size(), entry.size);
        EXPECT_FALSE(existsAt(entry.destinationPath + ".stowly-partial"));
    };

    const OffloadSummary summary = run();

    EXPECT_TRUE(copiedBWhileAHeld);
    EXPECT_EQ(withoutCopies(summary), (OffloadSummary{3, 4, 0, false, {}}));
    ASSERT_EQ(entries.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(entries[i].sourceRelativePath, job.plan[i].clip.relativePath);
        EXPECT_EQ(entries[i].sha256,
                  sha256Text(readFile(dir("card/" + entries[i].sourceRelativePath))));
    }
    EXPECT_EQ(reports.last().filesDone, 3);
    EXPECT_EQ(reports.last().bytesDone, reports.last().bytesTotal);
}

TEST_F(OffloadOverlapTest, WithABackupEveryCopyWaitsForItsOwnProof) {
    job.backups = {dir("backup")};
    QDir().mkpath(dir("backup"));
    calls = held.calls();
    onRecord = [&](const HistoryEntry&) { EXPECT_TRUE(held.released()) << "too early"; };

    const OffloadSummary summary = run();

    EXPECT_TRUE(copiedBWhileAHeld);
    EXPECT_EQ(summary.copied, 3);
    ASSERT_EQ(entries.size(), 6);
    for (const HistoryEntry& entry : entries)
        EXPECT_EQ(sha256Text(readFile(entry.destinationPath)), entry.sha256);
    EXPECT_EQ(namesIn(dir("backup")), namesIn(job.destination));
}

TEST_F(OffloadOverlapTest, AReadBackThatFailsWhileTheNextFileCopiesFailsThatFileAlone) {
    calls = held.calls(EIO);

    const OffloadSummary summary = run();

    EXPECT_TRUE(copiedBWhileAHeld);
    EXPECT_EQ(summary.copied, 2);
    EXPECT_EQ(summary.failures, QStringList{"A.MP4: Couldn’t read back A.MP4.stowly-partial: "
                                            "Input/output error."});
    EXPECT_EQ(namesIn(job.destination), QStringList({"B.MP4", "C.MP4"}));
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].sourceRelativePath, "B.MP4");
    // The history hears of A's end after B's copy began.
    EXPECT_LT(notes.notes.indexOf("copying B.MP4"), notes.notes.indexOf("dropped A.MP4"));
}

TEST_F(OffloadOverlapTest, AStopInTheOverlapProvesWhatWasWrittenAndLeavesNoPartialFile) {
    calls = held.calls();
    whileHeld = [&] { stop.request_stop(); };

    const OffloadSummary summary = run();

    EXPECT_EQ(withoutCopies(summary), (OffloadSummary{1, 4, 0, true, {}}));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].sourceRelativePath, "A.MP4");
    EXPECT_EQ(namesIn(job.destination), QStringList{"A.MP4"});
    EXPECT_EQ(notes.notes,
              QStringList({"copying A.MP4", "verifying A.MP4", "copying B.MP4", "dropped B.MP4"}));
}

TEST_F(OffloaderTest, ALargeCopyIsReadBackInPiecesFromTheDeviceAsItIsWritten) {
    // Past two pieces, so most of it is read back while the rest is still being copied.
    const QByteArray content = patternBytes(2 * ReadBackPieces::pieceSize + 5 * MiB);
    plan("C0001.MP4", content, QString(), "C0001.MP4");
    plan("C0002.MP4", content, QString(), "C0002.MP4");
    const QString partial = dir("dest/C0002.MP4.stowly-partial");
    std::atomic<qint64> copied = 0;
    std::atomic<qint64> copiedAtFirstReadBack = -1;
    calls.openAt = [&, open = calls.openAt](int folder, const char* name, int flags, mode_t mode) {
        if ((flags & O_ACCMODE) == O_RDONLY && copiedAtFirstReadBack < 0 &&
            QByteArray(name) == "C0001.MP4.stowly-partial")
            copiedAtFirstReadBack = copied.load();
        return open(folder, name, flags, mode);
    };
    onProgress = [&](const OffloadProgress& progress) {
        copied = progress.currentFileBytes;
        // Before its first piece is read back, a byte of the second copy goes bad on the disk.
        if (progress.currentFile == "C0002.MP4" && progress.currentFileBytes == 8 * MiB) {
            QFile file(partial);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            file.write(QByteArray(1, char(~content[0])));
        }
    };

    const OffloadSummary summary = run();

    EXPECT_GE(copiedAtFirstReadBack, 0) << "never read back";
    EXPECT_LT(copiedAtFirstReadBack, content.size() / 2) << "read back only at the end";
    EXPECT_EQ(summary.copied, 1);
    EXPECT_EQ(summary.failures,
              QStringList{"C0002.MP4: Checksum mismatch for C0002.MP4. The copy was deleted."});
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].sha256, sha256Text(content));
    EXPECT_EQ(readFile(dir("dest/C0001.MP4")), content);
    EXPECT_EQ(namesIn(job.destination), QStringList{"C0001.MP4"});
}

} // namespace
