#include "Printers.h"

#include "devices/FormatReadiness.h"
#include "media/CardInventory.h"
#include "media/ShortClipSkip.h"

#include <gtest/gtest.h>

using namespace stowly;

namespace {

Clip clip(const QString& path, qint64 size = 100) {
    return {("/media/CARD/" + path).toUtf8(), path, size, std::nullopt,
            QDateTime::fromSecsSinceEpoch(1'700'000'000, Qt::UTC)};
}

} // namespace

TEST(FormatReadinessTest, CountsWhatIsStillOnlyOnTheCard) {
    CardInventory inventory;
    inventory.newFiles = {clip("C1.MP4", 10), clip("C1M01.XML", 1), clip("C2.MP4", 20)};
    inventory.offloaded = {clip("C3.MP4", 300)};
    inventory.missing = {clip("C4.MP4", 4000)};
    inventory.copiesFolder = "/footage/2024";
    inventory.ignored = {".Trashes", "._C1.MP4"};
    const FormatReadiness r(inventory, {{clip("C1.MP4", 10)}, {"C1.MP4", "C1M01.XML"}, {}});
    FormatReadiness expected;
    expected.fileCount = 5;
    expected.totalBytes = 4331;
    expected.notOffloaded = expected.missingCopies = 1;
    expected.copiesFolder = "/footage/2024";
    expected.shortSkippedFiles = expected.ignoredItems = 2;
    expected.shortSkippedClips = 1;
    EXPECT_EQ(r, expected);
}

TEST(FormatReadinessTest, SaysWhatIsPendingMostImportantFirst) {
    FormatReadiness r;
    EXPECT_EQ(r.pendingText(), std::nullopt); // an empty card
    r.fileCount = 10;
    EXPECT_EQ(r.pendingText(), std::nullopt);
    r.shortSkippedFiles = 3;
    r.shortSkippedClips = 1;
    EXPECT_EQ(r.pendingText(), "1 short clip not offloaded");
    r.missingCopies = 4;
    EXPECT_EQ(r.pendingText(), "4 copies missing at the destination");
    r.notOffloaded = 1;
    EXPECT_EQ(r.pendingText(), "1 file not yet offloaded");
    // Nothing counts before the card could be read through, not even an empty card.
    r = {};
    r.unreadable = ScanFailure{"", "Input/output error"};
    EXPECT_EQ(r.pendingText(), "Stowly couldn’t read this card (Input/output error).");
}

TEST(FormatReadinessTest, StillReadyOnlyWhenEveryNewFileMayBeLost) {
    CardInventory inventory;
    EXPECT_FALSE(FormatReadiness::stillReady(inventory, "ID", {})); // nothing at all
    inventory.offloaded = {clip("A.MP4")};
    EXPECT_TRUE(FormatReadiness::stillReady(inventory, "ID", {}));
    inventory.newFiles = {clip("S.MP4")};
    const QString key = clip("S.MP4").historyKey("ID");
    EXPECT_TRUE(FormatReadiness::stillReady(inventory, "ID", {key}));
    EXPECT_FALSE(FormatReadiness::stillReady(inventory, "ID", {}));
    EXPECT_FALSE(FormatReadiness::stillReady(inventory, "OTHER", {key}));
    inventory.missing = {clip("M.MP4")};
    EXPECT_FALSE(FormatReadiness::stillReady(inventory, "ID", {key}));

    // What was read is all offloaded, but not all of the card was read.
    inventory.missing.clear();
    inventory.newFiles.clear();
    inventory.unreadable = ScanFailure{"DCIM", "Input/output error"};
    EXPECT_FALSE(FormatReadiness::stillReady(inventory, "ID", {}));
    const FormatReadiness r(inventory, {});
    EXPECT_FALSE(r.allVerified());
    EXPECT_TRUE(FormatReadiness(CardInventory{{}, inventory.offloaded}, {}).allVerified());
}
