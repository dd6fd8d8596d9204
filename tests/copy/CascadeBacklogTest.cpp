// The cascaded copies still to be made outlive the program: what was taken on and not reached
// comes back, a torn or foreign line costs only itself, and a backlog with nothing left goes.

#include "copy/CascadeBacklog.h"
#include "support/TestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

CascadeItem item(const QString& name) {
    CascadeItem item;
    item.first = {"CARD\u0000DCIM/" + name,
                  "A7SIII",
                  "DCIM/" + name,
                  "/first/Shoot/" + name,
                  1234,
                  QString(64, u'a'),
                  QDateTime::fromSecsSinceEpoch(1'800'000'000, Qt::UTC)};
    item.relativePath = "Shoot/" + name;
    item.roots = {"/shuttle", "/nas"};
    item.xxh128 = QString(32, u'b');
    item.runStartedAt = QDateTime::fromMSecsSinceEpoch(1'800'000'000'123, Qt::UTC);
    return item;
}

} // namespace

TEST(CascadeBacklogTest, WhatIsNotReachedYetComesBack) {
    TempDir dir;
    CascadeBacklog backlog(dir("state/cascades.jsonl"));
    EXPECT_TRUE(backlog.load().items.isEmpty());
    const CascadeItem a = item("A.MP4"), b = item("B.MP4");
    ASSERT_FALSE(backlog.add(a));
    ASSERT_FALSE(backlog.add(b));
    ASSERT_FALSE(backlog.done(a, "/shuttle", true));
    ASSERT_FALSE(backlog.done(b, "/shuttle", false));
    ASSERT_FALSE(backlog.done(b, "/nas", true));

    CascadeItem left = a;
    left.roots = {"/nas"};
    const CascadeBacklog::Contents reread = CascadeBacklog(backlog.path()).load();
    EXPECT_EQ(reread.items, QList<CascadeItem>{left});
    // What was proved, for the backups' ASC MHL generations still due; not what was given up.
    CascadeItem aAtShuttle = a, bAtNas = b;
    aAtShuttle.roots = {"/shuttle"};
    bAtNas.roots = {"/nas"};
    EXPECT_EQ(reread.proved, (QList<CascadeItem>{aAtShuttle, bAtNas}));

    // A kill mid-line, and a line another version wrote, cost only themselves.
    QFile file(backlog.path());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("{\"what\":1}\n{\"done\":{\"firstCopy\":\"/first/Shoot/A.M");
    file.close();
    const CascadeBacklog::Contents contents = backlog.load();
    EXPECT_EQ(contents.items, QList<CascadeItem>{left});
    EXPECT_EQ(contents.damagedLines, 1);

    ASSERT_FALSE(backlog.compact());
    EXPECT_EQ(readFile(backlog.path()).count('\n'), 1);
    EXPECT_EQ(backlog.load().items, QList<CascadeItem>{left});
    ASSERT_FALSE(backlog.done(left, "/nas", true));
    ASSERT_FALSE(backlog.compact());
    EXPECT_FALSE(QFile::exists(backlog.path()));
}

TEST(CascadeBacklogTest, TheCardsOtherFormatsComeBackAndOlderLinesReadWithout) {
    TempDir dir;
    CascadeBacklog backlog(dir("cascades.jsonl"));
    CascadeItem taken = item("A.MP4");
    taken.hashes = {{"md5", QString(32, u'c')}, {"c4", "c4" + QString(88, u'2')}};
    ASSERT_FALSE(backlog.add(taken));
    // A line of an older version, and one whose md5 was damaged: both files are still backed
    // up, the damaged value left out rather than held against the copy.
    QByteArray older = readFile(backlog.path());
    older.replace("\"hashes\":{\"c4\":\"c4" + QByteArray(88, '2') + "\",\"md5\":\"" +
                      QByteArray(32, 'c') + "\"},",
                  "");
    older.replace("A.MP4", "B.MP4");
    QByteArray damaged = readFile(backlog.path());
    damaged.replace(QByteArray(32, 'c'), "not hex");
    damaged.replace("A.MP4", "C.MP4");
    QFile file(backlog.path());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(older + damaged);
    file.close();

    const QList<CascadeItem> items = backlog.load().items;
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0], taken);
    EXPECT_EQ(items[1], item("B.MP4"));
    EXPECT_EQ(items[2].hashes, (QMap<QString, QString>{{"c4", "c4" + QString(88, u'2')}}));
}
