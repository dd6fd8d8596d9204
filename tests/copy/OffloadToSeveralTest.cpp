// One run to several destinations on different file systems: ext4 on a loop device, a small
// tmpfs that fills up halfway, and exFAT through FUSE.

#include "CopyTestSupport.h"
#include "copy/Offloader.h"
#include "support/Printing.h"
#include "support/ScratchMount.h"

#include <QProcess>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

constexpr qint64 MiB = 1024 * 1024;

class OffloadToSeveralTest : public ::testing::Test {
protected:
    void SetUp() override {
        QString whyNot;
        small = ScratchMount::tmpfs(dir("small"), 2 * MiB + MiB / 2, &whyNot);
        if (small)
            exfat = ScratchMount::exfatImage(dir.path(), 64 * MiB, &whyNot);
        if (exfat && !exfat->mount(dir("exfat"), ScratchMount::Driver::fuse, &whyNot))
            exfat.reset();
        if (exfat && QDir().mkpath(dir("images")))
            ext4 = ScratchMount::ext4Image(dir("images"), 64 * MiB, &whyNot);
        if (ext4 && !ext4->mount(dir("disk"), ScratchMount::Driver::kernel, &whyNot))
            ext4.reset();
        if (!ext4)
            GTEST_SKIP() << whyNot.toStdString();
        job.card = CardVolume{dir("card"), "CARD", "0A1B2C3D-0000-0000-0000-000000000001"};
        job.destination = dir("disk");
        job.backups = {dir("small"), dir("exfat")};
    }
    void TearDown() override {
        ext4.reset();
        exfat.reset();
        small.reset();
    }

    void plan(const QString& name, quint32 seed) {
        job.plan.append(
            plannedCopy(dir("card"), "DCIM/" + name, patternBytes(MiB, seed), "Clips", name));
    }

    OffloadSummary run() {
        return Offloader::run(job, {},
                              [&](const HistoryEntry& entry, const QString&,
                                  const QMap<QString, QString>&) { entries.append(entry); });
    }

    QStringList recordedAt(const QString& root) const {
        QStringList names;
        for (const HistoryEntry& entry : entries)
            if (entry.destinationPath.startsWith(root + '/'))
                names << entry.destinationPath.mid(root.size() + 1);
        return names;
    }

    TempDir dir;
    std::unique_ptr<ScratchMount> small;
    std::unique_ptr<ScratchMount> exfat;
    std::unique_ptr<ScratchMount> ext4;
    OffloadJob job;
    QList<HistoryEntry> entries;
};

TEST_F(OffloadToSeveralTest, AFullDestinationFailsItsOwnCopiesAndTheGapIsFilledLater) {
    for (int i = 1; i <= 4; ++i)
        plan(QString("C000%1.MP4").arg(i), quint32(i));

    const OffloadSummary summary = run();

    EXPECT_EQ(summary.copied, 2);
    EXPECT_EQ(summary.failed, 2);
    ASSERT_EQ(summary.failures.size(), 2);
    EXPECT_TRUE(summary.failures[0].startsWith("DCIM/C0003.MP4 at " + dir("small") + ": "))
        << summary.failures[0].toStdString();
    ASSERT_EQ(summary.copies.size(), 12);
    EXPECT_EQ(summary.copies[7].destination, dir("small"));
    EXPECT_TRUE(summary.copies[7].failure.has_value());
    EXPECT_FALSE(summary.copies[8].failure.has_value());
    const QStringList all{"Clips/C0001.MP4", "Clips/C0002.MP4", "Clips/C0003.MP4",
                          "Clips/C0004.MP4"};
    EXPECT_EQ(recordedAt(dir("disk")), all);
    EXPECT_EQ(recordedAt(dir("small")), all.mid(0, 2));
    EXPECT_EQ(recordedAt(dir("exfat")), all);
    EXPECT_EQ(namesIn(dir("small/Clips")), (QStringList{"C0001.MP4", "C0002.MP4"}));

    // Room again: only the missing copies are made, under the paths the others have.
    ASSERT_EQ(QProcess::execute("mount", {"-o", "remount,size=8m", dir("small")}), 0);
    entries.clear();
    job.plan = job.plan.mid(2);
    job.missingAt = {{"DCIM/C0003.MP4", {dir("small")}}, {"DCIM/C0004.MP4", {dir("small")}}};
    const OffloadSummary again = run();
    EXPECT_EQ(again.copied, 2);
    EXPECT_EQ(again.failed, 0);
    EXPECT_EQ(recordedAt(dir("small")), all.mid(2));
    EXPECT_EQ(entries.size(), 2);
    for (const QString& path : all)
        EXPECT_EQ(readFile(dir("small/" + path)), readFile(dir("disk/" + path)));
}

TEST_F(OffloadToSeveralTest, ANameTakenAtOneDestinationMovesTheCopyAtAllOfThem) {
    plan("C0001.MP4", 1);
    writeFile(dir("exfat/Clips/C0001.MP4"), "someone else's");
    writeFile(dir("small/Clips/C0001_2.MP4.stowly-partial"), "a copy in progress");

    EXPECT_EQ(run().copied, 1);

    for (const char* root : {"disk", "small", "exfat"})
        EXPECT_EQ(recordedAt(dir(root)), QStringList{"Clips/C0001_3.MP4"}) << root;
    EXPECT_EQ(readFile(dir("exfat/Clips/C0001.MP4")), "someone else's");
}

} // namespace
