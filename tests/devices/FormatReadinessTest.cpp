#include "Printers.h"

#include "devices/FormatReadiness.h"
#include "media/CardInventory.h"
#include "media/ShortClipSkip.h"

#include <gtest/gtest.h>

using namespace stowly;

namespace {

Clip clip(const QString& path, qint64 size = 100) {
    Clip c;
    c.relativePath = path;
    c.url = ("/media/CARD/" + path).toUtf8();
    c.size = size;
    c.modificationDate = QDateTime::fromSecsSinceEpoch(1'700'000'000, Qt::UTC);
    return c;
}

} // namespace

TEST(FormatReadinessTest, CountsWhatIsStillOnlyOnTheCard) {
    CardInventory inventory;
    inventory.newFiles = {clip("C0001.MP4", 10), clip("C0001M01.XML", 1), clip("C0002.MP4", 20)};
    inventory.offloaded = {clip("C0003.MP4", 300)};
    inventory.missing = {clip("C0004.MP4", 4000)};
    inventory.copiesFolder = "/footage/2024";
    inventory.ignored = {".Trashes", "._C0001.MP4"};
    ShortClipSkip skip;
    skip.clips = {clip("C0001.MP4", 10)};
    skip.ids = {"C0001.MP4", "C0001M01.XML"};

    const FormatReadiness r(inventory, skip);
    EXPECT_EQ(r.fileCount, 5);
    EXPECT_EQ(r.totalBytes, 4331);
    EXPECT_EQ(r.notOffloaded, 1);
    EXPECT_EQ(r.missingCopies, 1);
    EXPECT_EQ(r.copiesFolder, "/footage/2024");
    EXPECT_EQ(r.shortSkippedFiles, 2);
    EXPECT_EQ(r.shortSkippedClips, 1);
    EXPECT_EQ(r.ignoredItems, 2);
    EXPECT_EQ(r.pendingText(), "1 file not yet offloaded");
}

TEST(FormatReadinessTest, SaysWhatIsPendingMostImportantFirst) {
    FormatReadiness r;
    EXPECT_EQ(r.pendingText(), std::nullopt); // an empty card
    r.fileCount = 10;
    EXPECT_EQ(r.pendingText(), std::nullopt); // everything offloaded
    r.shortSkippedFiles = 3;
    r.shortSkippedClips = 1;
    EXPECT_EQ(r.pendingText(), "1 short clip not offloaded");
    r.shortSkippedClips = 2;
    EXPECT_EQ(r.pendingText(), "2 short clips not offloaded");
    r.missingCopies = 1;
    EXPECT_EQ(r.pendingText(), "1 copy missing at the destination");
    r.missingCopies = 4;
    EXPECT_EQ(r.pendingText(), "4 copies missing at the destination");
    r.notOffloaded = 7;
    EXPECT_EQ(r.pendingText(), "7 files not yet offloaded");
}

TEST(FormatReadinessTest, StillReadyOnlyWhenEveryNewFileMayBeLost) {
    CardInventory inventory;
    EXPECT_FALSE(FormatReadiness::stillReady(inventory, "ID", {})); // nothing at all

    inventory.offloaded = {clip("A.MP4")};
    EXPECT_TRUE(FormatReadiness::stillReady(inventory, "ID", {}));

    const Clip shortClip = clip("S.MP4");
    inventory.newFiles = {shortClip};
    EXPECT_TRUE(FormatReadiness::stillReady(inventory, "ID", {shortClip.ledgerKey("ID")}));
    EXPECT_FALSE(FormatReadiness::stillReady(inventory, "ID", {}));
    // Keys belong to one card identity.
    EXPECT_FALSE(FormatReadiness::stillReady(inventory, "OTHER", {shortClip.ledgerKey("ID")}));

    inventory.newFiles.clear();
    inventory.missing = {clip("M.MP4")};
    EXPECT_FALSE(FormatReadiness::stillReady(inventory, "ID", {clip("M.MP4").ledgerKey("ID")}));
}
