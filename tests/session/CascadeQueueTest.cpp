// The copies that cascade from first copies go on by themselves: each proved one is recorded as
// a copy of the card's file, a damaged first copy is said and not copied on, and what was left
// when the program stopped is made at the next start.

#include "session/CascadeQueue.h"

#include "copy/CopyTestSupport.h"
#include "history/History.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

// First copies proved at a destination, and a backup that cascades from them.
struct Cascade {
    TempDir dir;
    History history{dir("data/ledger.json")};
    QString backlog = dir("data/cascades.jsonl");

    CascadeItem firstCopy(const QString& name, const QByteArray& content) {
        CascadeItem item;
        item.relativePath = "Shoot/" + name;
        item.first = {"CARDID|DCIM/" + name + "|1",
                      "A7SIII",
                      "DCIM/" + name,
                      writeFile(dir("first/" + item.relativePath), content),
                      content.size(),
                      sha256Text(content),
                      QDateTime::currentDateTimeUtc()};
        item.roots = {dir("backup")};
        return item;
    }
    QStringList recordedAt(const QString& root) const {
        QStringList paths;
        for (const HistoryEntry& entry : history.entries().toList())
            if (entry.destinationPath.startsWith(root))
                paths << entry.destinationPath.mid(root.size() + 1);
        return paths;
    }
};

bool waitIdle(CascadeQueue& queue) {
    return spinUntil([&] { return queue.isIdle(); }, 20000);
}

} // namespace

TEST(CascadeQueueTest, ProvedCopiesAreRecordedAndADamagedFirstCopyIsSaid) {
    Cascade c;
    CascadeQueue queue(&c.history, c.backlog);
    QSignalSpy idle(&queue, &CascadeQueue::idle);
    const CascadeItem a = c.firstCopy("A.MP4", patternBytes(2 << 20, 1));
    CascadeItem b = c.firstCopy("B.MP4", patternBytes(3000, 2));
    writeFile(b.first.destinationPath, patternBytes(3000, 3));
    queue.add(a);
    queue.add(b);
    EXPECT_EQ(queue.pendingFiles("CARDID"), 2);
    ASSERT_TRUE(spinUntil([&] { return !idle.isEmpty(); }, 20000));

    EXPECT_EQ(c.recordedAt(c.dir("backup")), QStringList{"Shoot/A.MP4"});
    const HistoryEntry recorded = c.history.entries().toList().first();
    EXPECT_EQ(recorded.sourceKey, a.first.sourceKey) << "a copy of the card's file";
    EXPECT_EQ(recorded.sha256, a.first.sha256);
    ASSERT_EQ(queue.failures().size(), 1);
    EXPECT_EQ(queue.failures().first().failure.kind, CopyFailure::Kind::sourceReadDiffers);
    EXPECT_FALSE(QFile::exists(c.dir("backup/Shoot/B.MP4")));
    EXPECT_FALSE(QFile::exists(c.backlog)) << "nothing is left to make";
    EXPECT_EQ(queue.pendingFiles(), 0);
}

TEST(CascadeQueueTest, WhatWasLeftIsMadeAtTheNextStart) {
    Cascade c;
    const QDateTime run = QDateTime::fromMSecsSinceEpoch(1'800'000'000'000, Qt::UTC);
    CascadeItem a = c.firstCopy("A.MP4", patternBytes(5000, 4));
    CascadeItem b = c.firstCopy("B.MP4", patternBytes(6000, 5));
    CascadeItem d = c.firstCopy("D.MP4", patternBytes(7000, 6));
    CascadeItem e = c.firstCopy("E.MP4", patternBytes(8000, 7));
    CascadeItem f = c.firstCopy("F.MP4", patternBytes(9000, 8));
    for (CascadeItem* item : {&a, &b, &d, &e, &f}) {
        item->runStartedAt = run;
        item->xxh128 = xxh128Text(readFile(item->first.destinationPath));
    }
    // The last program took all four on and made A's copy and proved it; B's copy was made
    // and recorded, but not yet out of the backlog, when it stopped. E's first copy was never
    // recorded: its backup is made with it when the card comes again, not from a copy nobody
    // counts on. F is a program's that is still at work: it makes F's copy itself.
    f.owner = c.history.journal()->startRun()->id();
    CascadeBacklog backlog(c.backlog);
    for (const CascadeItem& item : {a, b, d, e, f})
        ASSERT_FALSE(backlog.add(item));
    for (const CascadeItem& item : {a, b, d, f})
        c.history.add(item.first, true);
    writeFile(c.dir("backup/Shoot/A.MP4"), patternBytes(5000, 4));
    ASSERT_FALSE(backlog.done(a, c.dir("backup"), true));
    const QString bAtBackup = c.dir("backup/Shoot/B.MP4");
    writeFile(bAtBackup, patternBytes(6000, 5));
    c.history.add(b.entryAt(bAtBackup, QDateTime::currentDateTimeUtc()), false);

    CascadeQueue queue(&c.history, c.backlog);
    queue.resume();
    EXPECT_EQ(queue.pendingFiles(), 1);
    ASSERT_TRUE(waitIdle(queue));
    ASSERT_TRUE(spinUntil([&] { return c.recordedAt(c.dir("backup")).size() == 2; }));
    QStringList recorded = c.recordedAt(c.dir("backup"));
    recorded.sort();
    EXPECT_EQ(recorded, QStringList({"Shoot/B.MP4", "Shoot/D.MP4"})) << "each once";
    EXPECT_EQ(readFile(c.dir("backup/Shoot/D.MP4")), patternBytes(7000, 6));
    EXPECT_FALSE(QFile::exists(c.dir("backup/Shoot/E.MP4")));
    EXPECT_FALSE(QFile::exists(c.dir("backup/Shoot/F.MP4")));
    EXPECT_TRUE(queue.failures().isEmpty());

    // One generation at the backup, named as the run's own, holds the files of the whole run.
    const QStringList manifests = QDir(c.dir("backup/ascmhl")).entryList({"*.mhl"});
    ASSERT_EQ(manifests.size(), 1);
    const QByteArray manifest = readFile(c.dir("backup/ascmhl/" + manifests.first()));
    for (const char* file : {"Shoot/A.MP4", "Shoot/B.MP4", "Shoot/D.MP4"})
        EXPECT_TRUE(manifest.contains(file)) << file;
    EXPECT_FALSE(manifest.contains("Shoot/E.MP4"));
    EXPECT_TRUE(manifest.contains("<process>transfer</process>"));
    EXPECT_TRUE(manifest.contains("Card “A7SIII” (CARDID), copied from its first copy in " +
                                  c.dir("first").toUtf8()));
    EXPECT_TRUE(queue.manifestFailures().isEmpty());
}
