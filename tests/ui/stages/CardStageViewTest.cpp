#include "ui/stages/CardStageView.h"
#include "../UiWorld.h"
#include "app/lists/CardListModel.h"
#include "app/model/CardDevices.h"
#include "app/wording/ReoffloadAlert.h"
#include "session/OffloadSession.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

TEST(CardStageViewTest, FollowsTheCardFromInsertionThroughOffloadToForgettingItsHistory) {
    World w;
    AppModel& m = *w.model;
    CardStageView view(m);
    auto* list = find<QListView>(view, "cardList");
    auto* format = static_cast<WrappingButton*>(find<QPushButton>(view, "formatButton"));
    auto* badge = find<QLabel>(view, "verifiedBadge");
    ASSERT_TRUE(list && format && badge && find<QWidget>(view, "cardActionsButton"));
    EXPECT_FALSE(list->isVisibleTo(&view));

    w.insertCard("B_CARD", {{"DCIM/X.JPG", "x"}});
    ASSERT_TRUE(w.waitForSession());
    w.durations->seconds = {{"S.MP4", 1.0}};
    const CardVolume card =
        w.insertCard("A_CARD", {{"DCIM/A.JPG", "a"}, {"DCIM/B.JPG", "b"}, {"DCIM/S.MP4", "s"}});
    ASSERT_TRUE(w.waitForSession());
    ASSERT_EQ(list->model()->rowCount(), 2);
    EXPECT_TRUE(list->isVisibleTo(&view));
    EXPECT_EQ(list->currentIndex().data(CardListModel::PathRole).toString(), card.url);
    EXPECT_FALSE(format->isEnabled());
    EXPECT_EQ(format->toolTip(), "Offload the other files first. Include or remove short clips "
                                 "first, or format and discard them");
    EXPECT_FALSE(badge->isVisibleTo(&view));

    // Choosing the other row selects that card in the model.
    const int other = 1 - list->currentIndex().row();
    list->setCurrentIndex(list->model()->index(other, 0));
    ASSERT_TRUE(spinUntil([&] { return m.selectedCard() && m.selectedCard()->name == "B_CARD"; }));
    list->setCurrentIndex(list->model()->index(1 - other, 0));
    ASSERT_TRUE(spinUntil([&] { return m.selectedCard() && m.selectedCard()->url == card.url; }));
    ASSERT_TRUE(w.waitForSession());

    m.session()->setProjectInput("P");
    m.startOffload();
    // While the card is read, it cannot be ejected; another card may be shown and set up
    // meanwhile, and this one goes on copying.
    EXPECT_FALSE(find<QWidget>(view, "ejectButton")->isEnabled());
    m.ejectCard(card);
    EXPECT_FALSE(m.devices().isEjecting()) << "the model refuses too";
    list->setCurrentIndex(list->model()->index(other, 0));
    ASSERT_TRUE(spinUntil([&] { return m.selectedCard() && m.selectedCard()->name == "B_CARD"; }));
    EXPECT_TRUE(find<QWidget>(view, "ejectButton")->isEnabled());
    list->setCurrentIndex(list->model()->index(1 - other, 0));
    ASSERT_TRUE(spinUntil([&] { return m.selectedCard() && m.selectedCard()->url == card.url; }));
    ASSERT_TRUE(w.waitForOffload());
    m.finishSession();
    ASSERT_TRUE(w.waitForSession());
    // Only the short clip is left on the card: erasing it is allowed, and says so.
    EXPECT_TRUE(format->isEnabled());
    EXPECT_EQ(format->fullText(), "Format and Discard 1 Short Clip");
    EXPECT_FALSE(badge->isVisibleTo(&view)) << "the short clip has no copy";
    m.session()->setIncludeAllShort(true);
    m.startOffload();
    ASSERT_TRUE(w.waitForOffload());
    m.finishSession();
    ASSERT_TRUE(w.waitForSession());
    EXPECT_EQ(format->fullText(), "Format");
    EXPECT_TRUE(badge->isVisibleTo(&view));

    // The erase asks first; a no leaves the card alone.
    QStringList asked;
    view.setConfirm([&](const Confirmation& question, std::function<void(bool)> done) {
        asked.append(question.title);
        done(false);
    });
    format->click();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(m.formatState().kind, AppModel::FormatState::Kind::idle);

    // Forgetting the history asks through the front end and makes the files new again.
    AnsweringFrontEnd frontEnd;
    m.setFrontEnd(&frontEnd);
    m.confirmForgetSelectedCardHistory();
    ASSERT_EQ(frontEnd.asked.size(), 1);
    EXPECT_EQ(frontEnd.asked[0].title, ReoffloadAlert::forgetText("A_CARD", 3, 3).title);
    ASSERT_TRUE(w.waitForSession());
    ASSERT_TRUE(spinUntil([&] { return m.session()->newClips().size() == 2; }))
        << "the short clip is skipped again";
    EXPECT_FALSE(format->isEnabled());
    EXPECT_FALSE(badge->isVisibleTo(&view));
    m.setFrontEnd(nullptr);
}
