// The copies that cascade from first copies go on by themselves: each proved one is recorded as
// a copy of the card's file, a damaged first copy is said and not copied on, and what was left
// when the program stopped is made at the next start.

#include "session/CascadeQueue.h"

#include "copy/CopyTestSupport.h"
#include "history/History.h"

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
    const CascadeItem a = c.firstCopy("A.MP4", patternBytes(5000, 4));
    const CascadeItem b = c.firstCopy("B.MP4", patternBytes(6000, 5));
    // The last program took both on, made A's copy and recorded it, and stopped.
    CascadeBacklog backlog(c.backlog);
    ASSERT_FALSE(backlog.add(a));
    ASSERT_FALSE(backlog.add(b));
    writeFile(c.dir("backup/Shoot/A.MP4"), patternBytes(5000, 4));

    CascadeQueue queue(&c.history, c.backlog);
    queue.resume();
    EXPECT_EQ(queue.pendingFiles(), 2);
    ASSERT_TRUE(waitIdle(queue));
    ASSERT_TRUE(spinUntil([&] { return c.recordedAt(c.dir("backup")).size() == 2; }));
    QStringList recorded = c.recordedAt(c.dir("backup"));
    recorded.sort();
    EXPECT_EQ(recorded, QStringList({"Shoot/A.MP4", "Shoot/B.MP4"}));
    EXPECT_EQ(readFile(c.dir("backup/Shoot/B.MP4")), patternBytes(6000, 5));
    EXPECT_TRUE(queue.failures().isEmpty());
}
