#include "media/CardInventory.h"
#include "history/HistoryIndex.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace stowly;
using namespace stowly::test;

namespace {

Clip clip(const QString& path, qint64 size, qint64 mtime = 1000) {
    Clip c;
    c.url = QFile::encodeName("/card/" + path);
    c.relativePath = path;
    c.size = size;
    c.modificationDate = QDateTime::fromSecsSinceEpoch(mtime, Qt::UTC);
    return c;
}

HistoryEntry entryFor(const Clip& c, const QString& destination, qint64 size = -1) {
    return copyRecord(c.historyKey("V"), destination, size < 0 ? c.size : size);
}

} // namespace

TEST(ClipTest, LedgerKeyUsesWholeSecondsRoundedDown) {
    Clip c = clip("DCIM/C0001.MP4", 1000);
    c.modificationDate = QDateTime::fromMSecsSinceEpoch(1'000'700, Qt::UTC);
    EXPECT_EQ(c.historyKey("V"), "V|DCIM/C0001.MP4|1000|1000");
    c.modificationDate = QDateTime::fromMSecsSinceEpoch(-1500, Qt::UTC);
    EXPECT_TRUE(c.historyKey("V").endsWith("|-2"));
    c.modificationDate.reset();
    EXPECT_TRUE(c.historyKey("Untitled").endsWith("|nodate"));
}

TEST(CardInventoryTest, SplitsFilesIntoNewOffloadedAndMissing) {
    TempDir dest;
    const Clip unknown = clip("A.MP4", 10);
    const Clip resized = clip("B.MP4", 10);
    const Clip kept = clip("C.MP4", 4);
    const Clip deleted = clip("D.MP4", 5);
    const Clip truncated = clip("E.MP4", 6);
    const Clip replacedByFolder = clip("F.MP4", 7);
    writeFile(dest("2024-05-01/Cam/C.mp4"), "1234");
    writeFile(dest("2024-05-01/Cam/E.mp4"), "12");
    QDir().mkpath(dest("2024-05-01/Cam/F.mp4"));

    QList<HistoryEntry> entries;
    for (const auto& [c, path, size] :
         {std::tuple{resized, dest("x/B.mp4"), qint64(11)},
          std::tuple{kept, dest("2024-05-01/Cam/C.mp4"), qint64(-1)},
          std::tuple{deleted, dest("gone/D.mp4"), qint64(-1)},
          std::tuple{truncated, dest("2024-05-01/Cam/E.mp4"), qint64(-1)},
          std::tuple{replacedByFolder, dest("2024-05-01/Cam/F.mp4"), qint64(-1)}})
        entries.append(entryFor(c, path, size));

    const CardInventory inventory =
        CardInventory::classify({unknown, resized, kept, deleted, truncated, replacedByFolder}, "V",
                                HistoryIndex::from(entries).lookup(), CardInventory::diskFileSize);
    EXPECT_EQ(inventory.newFiles, QList<Clip>({unknown, resized}));
    EXPECT_EQ(inventory.offloaded, QList<Clip>({kept}));
    EXPECT_EQ(inventory.missing, QList<Clip>({deleted, truncated, replacedByFolder}));
    EXPECT_EQ(inventory.copiesFolder, dest("2024-05-01/Cam"));
    EXPECT_TRUE(inventory.ignored.isEmpty());
}

TEST(CardInventoryTest, AnotherCardWithTheSamePathsIsNewAndCopiesShareTheirCommonFolder) {
    const Clip c = clip("C.MP4", 4);
    const HistoryIndex entries = HistoryIndex::from({entryFor(c, "/x/C.mp4")});
    const auto always = [](const QString&) { return std::optional<qint64>(4); };
    EXPECT_EQ(CardInventory::classify({c}, "W", entries.lookup(), always).newFiles.size(), 1);
    EXPECT_EQ(CardInventory::classify({c}, "V", entries.lookup(), always).offloaded.size(), 1);

    EXPECT_EQ(CardInventory::commonFolder({"/D/2024-05-01/Cam", "/D/2024-05-02/Cam"}), "/D");
    EXPECT_EQ(CardInventory::commonFolder({"/Users/u/Footage", "/Volumes/Drive/Footage"}), "/");
    EXPECT_EQ(CardInventory::commonFolder({"/X/Day1/A", "/X/Day1/AB"}), "/X/Day1");
    EXPECT_EQ(CardInventory::commonFolder({"/X/Day1/A"}), "/X/Day1/A");
    EXPECT_FALSE(CardInventory::commonFolder({}));
    EXPECT_FALSE(CardInventory::commonFolder({"a/b", "c/d"}));
}

TEST(CardInventoryTest, DiskSizeOfACopyDoesNotFollowLinks) {
    TempDir dir;
    writeFile(dir("file"), "12345");
    ::symlink(QFile::encodeName(dir("file")).constData(),
              QFile::encodeName(dir("link")).constData());
    EXPECT_EQ(CardInventory::diskFileSize(dir("file")), 5);
    EXPECT_FALSE(CardInventory::diskFileSize(dir("link")));
    EXPECT_FALSE(CardInventory::diskFileSize(dir.path()));
    EXPECT_FALSE(CardInventory::diskFileSize(dir("none")));
}

// Another station's copy that this one sees is as good as its own; one it cannot see counts as
// offloaded but unchecked, unless the user trusts the other stations. This station's own
// record speaks first: its copy gone is a missing copy, whatever others hold.
TEST(CardInventoryTest, OtherStationsCopiesCountAsOffloadedAndCheckedOnlyWhereTheyAreSeen) {
    TempDir dest;
    const Clip seen = clip("A.MP4", 4);
    const Clip unseen = clip("B.MP4", 4);
    const Clip ownGone = clip("C.MP4", 4);
    const Clip resized = clip("D.MP4", 4);
    writeFile(dest("shared/A.mp4"), "1234");
    writeFile(dest("later/B.mp4"), "1234");
    const auto elsewhere = [](HistoryEntry e) {
        e.station = QStringLiteral("cart-b");
        e.offloadedAt = e.offloadedAt.addSecs(60);
        return e;
    };
    const HistoryIndex own = HistoryIndex::from({entryFor(ownGone, dest("gone/C.mp4"))});
    const HistoryIndex index = own.withOtherStations({
        elsewhere(entryFor(seen, dest("shared/A.mp4"))),
        elsewhere(entryFor(unseen, "/media/cart-b/Footage/B.mp4")),
        elsewhere(entryFor(ownGone, "/media/cart-b/Footage/C.mp4")),
        elsewhere(entryFor(resized, "/media/cart-b/Footage/D.mp4", 5)),
    });
    EXPECT_EQ(index.find(ownGone.historyKey("V"))->station, "cart-b") << "the newest copy wins";

    const QList<Clip> files{seen, unseen, ownGone, resized};
    const auto split =
        CardInventory::classify(files, "V", index.lookup(), CardInventory::diskFileSize);
    EXPECT_EQ(split.offloaded, (QList<Clip>{seen, unseen}));
    EXPECT_EQ(split.uncheckedHere, QSet<QString>{unseen.id()});
    EXPECT_EQ(split.missing, QList<Clip>{ownGone});
    EXPECT_EQ(split.newFiles, QList<Clip>{resized});
    // Only the copies in place here say where the card's copies are.
    EXPECT_EQ(split.copiesFolder, dest("shared"));

    const auto trusted =
        CardInventory::classify(files, "V", index.lookup(), CardInventory::diskFileSize, {}, true);
    EXPECT_EQ(trusted.offloaded, split.offloaded);
    EXPECT_TRUE(trusted.uncheckedHere.isEmpty());
}
