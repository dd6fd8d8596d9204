#include "support/AppModelWorld.h"

#include "app/lists/HistoryModel.h"
#include "history/FileLock.h"
#include "history/HistoryFile.h"

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

// The window shows before the history is read; a card that comes meanwhile waits for it, since
// split against an empty history every file would look new and the card ready to erase.
TEST(HistoryLoadTest, ACardInsertedWhileTheHistoryIsReadIsScannedAgainstIt) {
    TempDir history;
    TempDir copies;
    writeFile(copies("A.JPG"), "aaaa");
    HistoryRecords records;
    records.append(copyRecord("CARD-UUID|DCIM/100/A.JPG|4|1790000000", copies("A.JPG"), 4));
    writeFile(history("ledger.json"), HistoryFile::encode(records));

    // The lock holds the reader back until the test has looked.
    auto held = std::make_unique<FileLock>(history("ledger.json.lock"));
    World w(true, std::make_unique<History>(history("ledger.json"), History::LoadLater{}));
    AppModel& m = *w.model;
    EXPECT_TRUE(m.isLoadingHistory());
    const CardVolume card =
        w.insertCard("CARD", {{"DCIM/100/A.JPG", "aaaa"}}, QStringLiteral("CARD-UUID"));
    EXPECT_EQ(m.selectedCardID(), card.url);
    EXPECT_TRUE(m.isScanning());
    EXPECT_FALSE(m.session());
    EXPECT_FALSE(m.canFormatSelectedCard());
    ASSERT_TRUE(m.offloadBlocker());
    EXPECT_EQ(m.offloadBlocker()->text, "Scanning card…");
    m.startOffload();
    m.formatSelectedCard();
    EXPECT_EQ(m.formatState().kind, AppModel::FormatState::Kind::idle);
    EXPECT_TRUE(w.disk->erased.isEmpty());

    held.reset();
    ASSERT_TRUE(w.waitForSession());
    EXPECT_FALSE(m.isLoadingHistory());
    EXPECT_EQ(m.historyList().rowCount(), 1);
    ASSERT_TRUE(m.cardInventory());
    EXPECT_TRUE(m.cardInventory()->newFiles.isEmpty());
    EXPECT_EQ(relativePaths(m.cardInventory()->offloaded), QStringList({"DCIM/100/A.JPG"}));
    EXPECT_TRUE(m.canFormatSelectedCard());
}

TEST(HistoryLoadTest, AHistoryThatCannotBeReadIsToldOnceRead) {
    TempDir history;
    writeFile(history("ledger.json"), "[{\"cardName\":");
    World w(true, std::make_unique<History>(history("ledger.json"), History::LoadLater{}));
    ASSERT_TRUE(spinUntil([&] { return !w.model->isLoadingHistory(); }));
    ASSERT_TRUE(w.model->history().lastError());
    EXPECT_TRUE(w.model->history().lastError()->startsWith("Couldn’t read the ledger ("));
    w.insertCard("CARD", {{"DCIM/100/A.JPG", "aaaa"}});
    ASSERT_TRUE(w.waitForSession());
    EXPECT_EQ(w.model->cardInventory()->newFiles.size(), 1);
}
