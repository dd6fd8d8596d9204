#include "session/OffloadSession.h"
#include "history/Ledger.h"

#include "support/ScratchCard.h"
#include "support/TestSupport.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

using Card = ScratchCard;

} // namespace

TEST(OffloadSessionTest, RunsThePlanRecordsEveryCopyAndReportsInOrder) {
    Card card;
    writeFile(card.root("DCIM/C0001.MP4"), QByteArray(9 << 20, 'v'));
    writeFile(card.root("DCIM/C0001.XML"), "<xml/>");
    writeFile(card.root("DCIM/DSC0002.JPG"), "jpeg");
    OffloadSession session(card.volume, card.scan(), {});
    ASSERT_EQ(session.newClips().size(), 3);

    QList<OffloadProgress> reports;
    QObject::connect(&session, &OffloadSession::progressChanged,
                     [&] { reports.append(session.progress()); });
    std::optional<OffloadSummary> finished;
    QObject::connect(&session, &OffloadSession::finished,
                     [&](const OffloadSummary& s) { finished = s; });
    session.start(card.plan(session), card.destination.path(), &card.ledger);
    EXPECT_EQ(session.phase(), OffloadSession::Phase::running);
    ASSERT_TRUE(spinUntil([&] { return finished.has_value(); }));

    EXPECT_EQ(finished->copied, 3);
    EXPECT_EQ(finished->failed, 0);
    EXPECT_FALSE(finished->cancelled);
    EXPECT_EQ(session.phase(), OffloadSession::Phase::finished);
    EXPECT_EQ(session.verifiedIDs().size(), 3);
    EXPECT_EQ(session.copiedPaths().size(), 3);
    EXPECT_EQ(card.ledger.entries().size(), 3);
    EXPECT_FALSE(card.ledger.hasUnsavedChanges());
    EXPECT_EQ(Ledger(card.home("ledger.json")).entries().size(), 3);
    for (const QString& path : session.copiedPaths())
        EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();

    // Reports arrive in order: bytes never go back, files finish one by one.
    ASSERT_FALSE(reports.isEmpty());
    for (qsizetype i = 1; i < reports.size(); ++i) {
        EXPECT_GE(reports[i].bytesDone, reports[i - 1].bytesDone);
        EXPECT_GE(reports[i].filesDone, reports[i - 1].filesDone);
    }
    EXPECT_EQ(reports.last().filesDone, 3);
    EXPECT_TRUE(std::any_of(reports.begin(), reports.end(),
                            [](const OffloadProgress& p) { return p.isVerifying; }));

    // A new scan finds everything offloaded; changes after the start change nothing.
    const CardInventory after = card.scan();
    EXPECT_TRUE(after.newFiles.isEmpty());
    EXPECT_EQ(after.offloaded.size(), 3);
    session.setIncludedCategories({MediaCategory::audio});
    EXPECT_EQ(session.newClips().size(), 3);
}

TEST(OffloadSessionTest, CancellingMidFileLeavesNoPartialAndKeepsWhatWasRecorded) {
    Card card;
    writeFile(card.root("A.MP4"), "first");
    writeFile(card.root("B.MP4"), QByteArray(20 << 20, 'b'));
    writeFile(card.root("C.MP4"), "third");
    setModificationTime(card.root("A.MP4"), QDateTime::fromSecsSinceEpoch(1000, Qt::UTC));
    setModificationTime(card.root("B.MP4"), QDateTime::fromSecsSinceEpoch(2000, Qt::UTC));
    setModificationTime(card.root("C.MP4"), QDateTime::fromSecsSinceEpoch(3000, Qt::UTC));
    CardInventory inventory = card.scan();
    for (Clip& clip : inventory.newFiles)
        clip.creationDate.reset(); // order by modification date
    OffloadSession session(card.volume, inventory, {});
    QObject::connect(&session, &OffloadSession::progressChanged, [&] {
        if (session.progress().currentID == "B.MP4" && session.progress().currentFileBytes > 0)
            session.cancel();
    });
    QSignalSpy finished(&session, &OffloadSession::finished);
    session.start(card.plan(session), card.destination.path(), &card.ledger);
    ASSERT_TRUE(spinUntil([&] { return finished.count() == 1; }));

    ASSERT_TRUE(session.summary());
    EXPECT_TRUE(session.summary()->cancelled);
    EXPECT_EQ(session.summary()->copied, 1);
    EXPECT_EQ(session.summary()->failed, 0);
    EXPECT_TRUE(card.partialFiles().isEmpty());
    EXPECT_EQ(Ledger(card.home("ledger.json")).entries().size(), 1);
    EXPECT_EQ(session.verifiedIDs(), QSet<QString>({"A.MP4"}));
}

TEST(OffloadSessionTest, ChoicesRecomputeTheSelection) {
    Card card;
    writeFile(card.root("C0001.MP4"), "short");
    writeFile(card.root("C0001.XML"), "sidecar");
    writeFile(card.root("C0002.MP4"), "short too");
    writeFile(card.root("C0003.MP4"), "long");
    const QHash<QString, double> durations{{"C0001.MP4", 1}, {"C0002.MP4", 2}, {"C0003.MP4", 30}};
    OffloadSession session(card.volume, card.scan(), durations);
    EXPECT_EQ(session.newClips().size(), 4); // the rule starts switched off
    session.setShortRule({true, 5});
    EXPECT_EQ(session.newClips().size(), 1);
    EXPECT_EQ(session.skippedShort().clips.size(), 2);

    // Turning one clip off while all are included keeps the other included.
    session.setIncludeAllShort(true);
    EXPECT_EQ(session.newClips().size(), 4);
    const Clip first = session.newClips().first();
    ASSERT_EQ(first.relativePath, "C0001.MP4");
    session.toggleIncludeShort(first);
    EXPECT_FALSE(session.includeAllShort());
    EXPECT_EQ(session.includedShortIDs(), QSet<QString>({"C0002.MP4"}));
    EXPECT_EQ(session.newClips().size(), 2);

    QSignalSpy changes(&session, &OffloadSession::changed);
    session.setFileRules(FileRules::standard());
    session.setDateFilter(DateFilter::any());
    EXPECT_EQ(changes.count(), 0);
}
