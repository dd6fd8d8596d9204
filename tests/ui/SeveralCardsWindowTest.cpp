// Several cards in the real window: every card's row says where its offload is, a card started
// while another copies to the same drive waits and says for what, the bar lists the queue,
// whose waiting offloads are reordered by a drop and taken out with Delete, and a card that
// ends says so on its row while the others go on.

#include "UiWorld.h"
#include "app/lists/CardListModel.h"
#include "app/model/CardDesk.h"
#include "support/Printing.h"
#include "support/ScratchMount.h"
#include "ui/OffloadBar.h"

#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

constexpr qint64 MiB = 1 << 20;

} // namespace

TEST(SeveralCardsWindowTest, CardsTakeTurnsOnADriveAndEveryRowSaysWhereItsOffloadIs) {
    WindowWorld w;
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    AppModel& m = *w.world.model;
    const OffloadBar& bar = w.window.offloadBar();
    auto* start = find<QPushButton>(bar, "startButton");
    auto* unqueue = find<QPushButton>(bar, "unqueueButton");
    auto* queueView = find(bar, "offloadQueue");
    auto* queueLines = find<QListWidget>(bar, "queueLines");
    auto* cardList = find<QListView>(w.window, "cardList");

    // A's copy is long enough to still run while the others are handed over.
    const CardVolume a = w.world.insertCard("A_CARD", {{"DCIM/A.MP4", QByteArray(64 * MiB, 'a')}});
    QList<CardVolume> others;
    for (const char* name : {"B_CARD", "C_CARD", "D_CARD"})
        others.append(w.world.insertCard(name, {{"DCIM/1.JPG", QByteArray(9000, name[0])},
                                                {"DCIM/2.JPG", QByteArray(7000, name[0])}}));
    const auto show = [&](const CardVolume& card) {
        const int row = static_cast<const CardListModel*>(cardList->model())->rowOf(card.id());
        cardList->setCurrentIndex(cardList->model()->index(row, 0));
        EXPECT_TRUE(
            spinUntil([&] { return m.selectedCard() && m.selectedCard()->id() == card.id(); }));
        EXPECT_TRUE(w.world.waitForSession());
        m.setProject(QStringLiteral("Shoot"));
    };
    const auto spoken = [&](const CardVolume& card) {
        const int row = static_cast<const CardListModel*>(cardList->model())->rowOf(card.id());
        return cardList->model()->index(row, 0).data(Qt::AccessibleTextRole).toString();
    };
    const auto lineTexts = [&] {
        QStringList texts;
        for (int i = 0; i < queueLines->count(); ++i)
            texts << queueLines->item(i)->text().section(QStringLiteral(" · "), 0, 1);
        return texts;
    };

    show(a);
    start->click();
    ASSERT_TRUE(m.desk(a.id())->isRunning());
    EXPECT_FALSE(queueView->isVisibleTo(&w.window)) << "one offload needs no list of them";

    // C and D go to the same drive: they wait, in the order they were started.
    for (const CardVolume& card : {others[1], others[2]}) {
        show(card);
        EXPECT_TRUE(start->isEnabled()) << "another card's copy does not stop this one";
        start->click();
        EXPECT_TRUE(m.desk(card.id())->isWaiting());
    }
    EXPECT_TRUE(unqueue->isVisibleTo(&w.window));
    EXPECT_FALSE(start->isVisibleTo(&w.window));
    EXPECT_TRUE(find<QLabel>(bar, "readyLine")
                    ->text()
                    .startsWith(QStringLiteral("Waiting for “A_CARD” to finish on ")));
    EXPECT_EQ(spoken(a), "A_CARD, Copying · 0 of 1 files");
    EXPECT_EQ(spoken(others[1]), "C_CARD, Waiting · next in line");
    EXPECT_EQ(spoken(others[2]), "D_CARD, Waiting · 1 ahead");
    EXPECT_TRUE(queueView->isVisibleTo(&w.window));
    EXPECT_EQ(lineTexts(),
              QStringList({"A_CARD · 0 of 1 files", "C_CARD · waiting", "D_CARD · waiting"}));

    // D is dropped before C and takes its turn.
    const std::unique_ptr<QMimeData> drag(
        queueLines->model()->mimeData({queueLines->model()->index(2, 0)}));
    queueLines->model()->dropMimeData(drag.get(), Qt::MoveAction, 1, 0, {});
    ASSERT_TRUE(spinUntil([&] { return spoken(others[2]) == "D_CARD, Waiting · next in line"; }));
    EXPECT_EQ(spoken(others[1]), "C_CARD, Waiting · 1 ahead");
    // And from the keyboard: down past C, where it can go no further, and back up.
    queueLines->setCurrentRow(1);
    QTest::keyClick(queueLines, Qt::Key_Down, Qt::ControlModifier);
    ASSERT_TRUE(spinUntil([&] { return spoken(others[2]) == "D_CARD, Waiting · 1 ahead"; }));
    EXPECT_EQ(queueLines->currentRow(), 2);
    QTest::keyClick(queueLines, Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(queueLines, Qt::Key_Up, Qt::ControlModifier);
    ASSERT_TRUE(spinUntil([&] { return spoken(others[2]) == "D_CARD, Waiting · next in line"; }));
    QTest::keyClick(queueLines, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(lineTexts().first(), "A_CARD · 0 of 1 files") << "a running offload keeps its place";

    // B goes to another drive: it starts at once, beside A.
    TempDir scratch;
    QString whyNot;
    const QString otherDrive = scratch.path() + QStringLiteral("/drive");
    const auto mount = ScratchMount::tmpfs(otherDrive, 16 * MiB, &whyNot);
    if (mount) {
        show(others[0]);
        m.useFolder(otherDrive);
        start->click();
        EXPECT_TRUE(m.desk(others[0].id())->isRunning());
        m.useFolder(w.world.destination.path());
    }

    // C is taken out of the queue from its line, and is as it was before it was started.
    queueLines->setCurrentRow(int(lineTexts().indexOf("C_CARD · waiting")));
    QTest::keyClick(queueLines, Qt::Key_Delete);
    EXPECT_FALSE(m.desk(others[1].id())->isBusy());
    EXPECT_EQ(spoken(others[1]), "C_CARD, 2 new files");

    // A ends while D copies, and its row says that all of it is safe.
    ASSERT_TRUE(spinUntil([&] { return m.desk(a.id())->isFinished(); }, 60'000));
    EXPECT_TRUE(spinUntil([&] { return spoken(a) == "A_CARD, 1 copied · ready to erase"; }))
        << spoken(a).toStdString();
    ASSERT_TRUE(spinUntil([&] { return !m.isBusy(); }, 60'000));
    EXPECT_TRUE(spinUntil([&] { return spoken(others[2]) == "D_CARD, 2 copied · ready to erase"; }))
        << spoken(others[2]).toStdString();
    EXPECT_EQ(m.history().entryCount(others[1].volumeIdentity()), 0);
    if (!mount)
        GTEST_SKIP() << "the other drive part: " << whyNot.toStdString();
    EXPECT_TRUE(spinUntil([&] { return spoken(others[0]) == "B_CARD, 2 copied · ready to erase"; }))
        << spoken(others[0]).toStdString();
}
