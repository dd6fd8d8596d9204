#include "session/OffloadSession.h"
#include "history/History.h"

#include "support/ScratchCard.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

using Card = ScratchCard;

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
    EXPECT_EQ(finished->failed + finished->skipped, 0);
    EXPECT_FALSE(finished->cancelled);
    EXPECT_EQ(session.phase(), OffloadSession::Phase::finished);
    EXPECT_EQ(session.verifiedIDs().size(), 3);
    // The run's records are in the history file, not only in memory.
    EXPECT_FALSE(card.ledger.hasUnsavedChanges());
    EXPECT_EQ(History(card.home("ledger.json")).entries().size(), 3);

    // Reports arrive in order: bytes never go back, files finish one by one.
    ASSERT_FALSE(reports.isEmpty());
    for (qsizetype i = 1; i < reports.size(); ++i) {
        EXPECT_GE(reports[i].bytesDone, reports[i - 1].bytesDone);
        EXPECT_GE(reports[i].filesDone, reports[i - 1].filesDone);
    }
    EXPECT_EQ(reports.last().filesDone, 3);
    EXPECT_TRUE(std::any_of(reports.begin(), reports.end(),
                            [](const OffloadProgress& p) { return p.isVerifying; }));

    // Changes after the start change nothing.
    session.setIncludedCategories({MediaCategory::audio});
    EXPECT_EQ(session.newClips().size(), 3);
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
}

// Two cards offloaded at once into one folder and one history, as with two card readers: their
// files plan the same names, yet each copy gets one of its own, and every record of both is kept.
TEST(OffloadSessionTest, TwoRunsAtOnceShareTheFolderAndTheHistory) {
    Card cards[2];
    cards[1].volume = CardVolume{cards[1].root.path(), "CARD", QStringLiteral("5678-EFGH")};
    std::unique_ptr<OffloadSession> sessions[2];
    std::optional<OffloadSummary> finished[2];
    for (int c = 0; c < 2; ++c) {
        for (int i = 0; i < 40; ++i)
            writeFile(cards[c].root(QString("DCIM/C%1.MP4").arg(i)),
                      QByteArray(1000 + i, char('a' + c * 10 + i % 10)));
        sessions[c] = std::make_unique<OffloadSession>(cards[c].volume, cards[c].scan(),
                                                       QHash<QString, double>{});
        QObject::connect(sessions[c].get(), &OffloadSession::finished,
                         [&finished, c](const OffloadSummary& s) { finished[c] = s; });
    }
    History& history = cards[0].ledger;
    for (int c = 0; c < 2; ++c)
        sessions[c]->start(cards[c].plan(*sessions[c]), cards[0].destination.path(), &history);
    ASSERT_TRUE(spinUntil([&] { return finished[0] && finished[1]; }, 60000));

    for (int c = 0; c < 2; ++c) {
        EXPECT_EQ(finished[c]->failures, QStringList())
            << finished[c]->failures.join(u'\n').toStdString();
        EXPECT_EQ(finished[c]->copied, 40);
    }
    const auto checkEveryCopy = [&](const History& ledger) {
        QSet<QString> paths;
        for (const HistoryEntry& entry : ledger.entries()) {
            paths.insert(entry.destinationPath);
            const Card& card = entry.sourceKey.startsWith("5678-EFGH|") ? cards[1] : cards[0];
            EXPECT_EQ(readFile(entry.destinationPath),
                      readFile(card.root(entry.sourceRelativePath)));
        }
        EXPECT_EQ(ledger.entries().size(), 80);
        EXPECT_EQ(paths.size(), 80);
    };
    checkEveryCopy(history);
    checkEveryCopy(History(cards[0].home("ledger.json")));
}
