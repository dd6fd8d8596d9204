#include "app/model/CardDesk.h"
#include "copy/HistoryEntry.h"
#include "session/OffloadQueue.h"
#include "support/AppModelWorld.h"
#include "support/ScratchMount.h"

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

constexpr qint64 MiB = 1 << 20;

// Every card holds the same names, so their plans name the same files in one folder.
QHash<QString, QByteArray> shoot(char fill) {
    return {{"DCIM/100/C0001.MP4", QByteArray(3 * MiB, fill)},
            {"DCIM/100/C0002.MP4", QByteArray(2 * MiB, char(fill + 1))}};
}

// Selects a card and gives its offload the project, so that nothing blocks it.
CardDesk& ready(World& w, const CardVolume& card) {
    w.model->select(card, false);
    EXPECT_TRUE(w.waitForSession());
    w.model->setProject(QStringLiteral("Shoot"));
    return *w.model->selectedDesk();
}

} // namespace

// Three cards handed over together: two to one drive take turns in the queue's order (which
// the user can change), one to another drive copies beside them, and a card taken out while
// it waits leaves nothing behind.
TEST(SeveralCardsTest, TheQueueRunsCardsByTheirDrives) {
    World w;
    TempDir scratch;
    QString whyNot;
    const QString otherDrive = scratch.path() + QStringLiteral("/drive");
    const auto mount = ScratchMount::tmpfs(otherDrive, 64 * MiB, &whyNot);
    if (!mount)
        GTEST_SKIP() << whyNot.toStdString();
    AppModel& m = *w.model;
    OffloadQueue& queue = m.queue();

    const CardVolume a = w.insertCard("A_CARD", shoot('a'));
    const CardVolume b = w.insertCard("B_CARD", shoot('b'));
    const CardVolume c = w.insertCard("C_CARD", shoot('c'));
    const CardVolume d = w.insertCard("D_CARD", shoot('d'));
    const CardVolume e = w.insertCard("E_CARD", shoot('e'));
    CardDesk& deskA = ready(w, a);
    CardDesk& deskB = ready(w, b);
    CardDesk& deskD = ready(w, d);
    CardDesk& deskE = ready(w, e);
    m.startDeskOffload(deskA);
    m.startDeskOffload(deskB);
    m.startDeskOffload(deskD);
    m.startDeskOffload(deskE);
    EXPECT_TRUE(deskA.session()->isRunning());
    EXPECT_EQ(queue.waiting(),
              QList<OffloadSession*>({deskB.session(), deskD.session(), deskE.session()}));
    const auto turn = queue.waitsFor(deskB.session());
    ASSERT_TRUE(turn);
    EXPECT_EQ(turn->session, deskA.session());
    EXPECT_EQ(turn->folder, w.destination.path());
    EXPECT_TRUE(deskB.isWaiting() && !deskB.isOpen()) << "a waiting offload's choices are fixed";

    // The other drive's offload does not wait for the first one's.
    m.useFolder(otherDrive);
    CardDesk& deskC = ready(w, c);
    m.startDeskOffload(deskC);
    EXPECT_TRUE(deskC.session()->isRunning());

    // E goes before D; B is cancelled, D is taken out of its reader while it waits.
    queue.moveWaiting(2, 0);
    EXPECT_EQ(queue.waiting(),
              QList<OffloadSession*>({deskE.session(), deskB.session(), deskD.session()}));
    queue.cancel(deskB.session());
    EXPECT_TRUE(deskB.session()->isOpen()) << "a cancelled offload can be started again";
    w.removeCard(d);
    ASSERT_TRUE(spinUntil([&] { return m.desk(d.id()) == nullptr; }));

    ASSERT_TRUE(spinUntil([&] { return queue.isEmpty(); }, 60'000));
    EXPECT_TRUE(deskB.session()->isOpen() && !deskB.session()->summary());
    for (CardDesk* desk : {&deskA, &deskC, &deskE}) {
        ASSERT_TRUE(desk->session()->summary());
        EXPECT_EQ(desk->session()->summary()->copied, 2) << desk->card().name.toStdString();
        EXPECT_EQ(desk->session()->summary()->failed, 0);
        EXPECT_EQ(m.history().entryCount(desk->card().volumeIdentity()), 2) << [&] {
            std::string all;
            for (const HistoryEntry& entry : m.history().entries())
                all += (entry.sourceKey + " -> " + entry.destinationPath + "\n").toStdString();
            return all;
        }();
    }
    EXPECT_EQ(m.history().entryCount(b.volumeIdentity()), 0);
    EXPECT_EQ(m.history().entryCount(d.volumeIdentity()), 0);
    // A's and E's files share one folder, each under a name of its own.
    EXPECT_EQ(filesBelow(w.destination.path()).size(), 4);
    EXPECT_EQ(filesBelow(otherDrive).size(), 2);
}

// Each card keeps its own choices and its run while another is shown.
TEST(SeveralCardsTest, EveryCardKeepsItsOwnDesk) {
    World w;
    AppModel& m = *w.model;
    const CardVolume a = w.insertCard("A_CARD", shoot('a'));
    const CardVolume b = w.insertCard("B_CARD", shoot('b'));
    CardDesk& deskA = ready(w, a);
    m.setProject(QStringLiteral("Coast"));
    m.startOffload();
    ASSERT_TRUE(deskA.session()->isRunning());

    m.select(b, false);
    ASSERT_TRUE(w.waitForSession());
    m.setProject(QStringLiteral("Forest"));
    EXPECT_TRUE(deskA.session()->isRunning()) << "showing another card leaves the run alone";
    EXPECT_TRUE(m.isBusy());

    m.select(a, false);
    EXPECT_EQ(m.session(), deskA.session());
    ASSERT_TRUE(spinUntil([&] { return deskA.session()->summary().has_value(); }));
    m.select(b, false);
    EXPECT_EQ(m.session()->projectInput(), "Forest") << "a desk keeps its choices";
    // Once the card is read against the history again, its row says all of it is safe.
    EXPECT_TRUE(spinUntil([&] { return m.cardDetail(a) == "2 copied · ready to erase"; }))
        << m.cardDetail(a).toStdString();
    EXPECT_FALSE(m.isBusy());
}
