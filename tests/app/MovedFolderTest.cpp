#include "app/model/DestinationChoice.h"
#include "app/settings/AppSettings.h"
#include "app/stores/DestinationStore.h"
#include "devices/FolderBookmark.h"

#include "AppTestSupport.h"

#include <QDir>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

bool rename(const QString& from, const QString& to) {
    QDir().mkpath(to.left(to.lastIndexOf(u'/')));
    return QDir().rename(from, to);
}

// The favourite of a real folder, made by a store that is gone again (the application quits).
FavoriteDestination favoriteOf(const QString& file, const QString& folder,
                               const FolderBookmark::VolumeUUID& uuid = {}) {
    QDir().mkpath(folder);
    DestinationStore::Options o = destinationOptions(file);
    o.volumeUUID = uuid;
    DestinationStore store(o);
    return store.add(folder);
}

QList<FolderBookmark::Volume> mounted() {
    return FolderBookmark::mountedVolumes({});
}

bool settled(const DestinationStore& store) {
    return !store.isFindingMovedFolders();
}

} // namespace

class MovedFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir().mkpath(home("probe"));
        if (!FolderBookmark::make(home("probe"), mounted()))
            GTEST_SKIP() << "the temporary folder's file system keeps no lasting inode numbers";
    }
    TempDir home;
};

TEST_F(MovedFolderTest, ARenamedFolderIsFollowedAtStartAndTheFileRewrittenOnce) {
    const QString file = home("destinations.json");
    const FavoriteDestination before = favoriteOf(file, home("Drive/Footage"));
    ASSERT_TRUE(before.bookmark);
    ASSERT_TRUE(rename(home("Drive/Footage"), home("Drive/Footage 2026")));

    DestinationStore store(destinationOptions(file));
    QSignalSpy changed(&store, &DestinationStore::changed);
    ASSERT_TRUE(spinUntil([&] { return settled(store); }));
    EXPECT_EQ(store.favorites()[0].path, home("Drive/Footage 2026"));
    EXPECT_EQ(store.favorites()[0].name, "Footage");
    EXPECT_NE(store.favorites()[0].bookmark, before.bookmark);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(DestinationStore(destinationOptions(file)).favorites()[0].path,
              home("Drive/Footage 2026"));
}

TEST_F(MovedFolderTest, AFolderMovedElsewhereOnItsVolumeIsFound) {
    const QString file = home("destinations.json");
    const auto uuid = [&](const QString&) { return std::optional<QString>("TEST-UUID"); };
    favoriteOf(file, home("Drive/Projects/2025/Wedding"), uuid);
    // Moved and renamed at once: only the volume's UUID vouches for the folder found.
    ASSERT_TRUE(rename(home("Drive/Projects/2025/Wedding"), home("Drive/Archive/Old/Wedding A")));

    DestinationStore::Options o = destinationOptions(file);
    o.volumeUUID = uuid;
    DestinationStore store(o);
    ASSERT_TRUE(spinUntil([&] { return settled(store); }));
    EXPECT_EQ(store.favorites()[0].path, home("Drive/Archive/Old/Wedding A"));
}

TEST_F(MovedFolderTest, WithoutAVolumeUuidAFolderMustKeepItsNameOrItsPlace) {
    const QString file = home("destinations.json");
    favoriteOf(file, home("Drive/A/Footage"));
    favoriteOf(file, home("Drive/B/Stills"));
    ASSERT_TRUE(rename(home("Drive/A/Footage"), home("Drive/C/Footage")));
    ASSERT_TRUE(rename(home("Drive/B/Stills"), home("Drive/C/Photos")));

    DestinationStore store(destinationOptions(file));
    ASSERT_TRUE(spinUntil([&] { return settled(store); }));
    EXPECT_EQ(store.favorites()[0].path, home("Drive/C/Footage"));
    EXPECT_EQ(store.favorites()[1].path, home("Drive/B/Stills"));
}

TEST_F(MovedFolderTest, MissingAndTrashedFoldersAreLeftAlone) {
    const QString file = home("destinations.json");
    favoriteOf(file, home("Drive/Gone"));
    favoriteOf(file, home("Drive/Trashed"));
    QDir(home("Drive/Gone")).removeRecursively();
    ASSERT_TRUE(rename(home("Drive/Trashed"), home("Drive/.Trash-0/files/Trashed")));
    const QByteArray saved = readFile(file);

    DestinationStore::Options o = destinationOptions(file);
    o.searchLimits.maxEntries = 2000;
    DestinationStore store(o);
    QSignalSpy checked(&store, &DestinationStore::movedFoldersChecked);
    ASSERT_TRUE(spinUntil([&] { return settled(store); }));
    EXPECT_EQ(store.favorites()[0].path, home("Drive/Gone"));
    EXPECT_EQ(store.favorites()[1].path, home("Drive/Trashed"));
    EXPECT_EQ(readFile(file), saved);
    ASSERT_EQ(checked.count(), 1);
    EXPECT_FALSE(checked[0][0].toBool());
}

TEST_F(MovedFolderTest, TheSearchStopsAtItsLimits) {
    const QString file = home("destinations.json");
    favoriteOf(file, home("Drive/a/Footage"));
    ASSERT_TRUE(rename(home("Drive/a/Footage"), home("Drive/b/c/d/e/Footage")));

    const QList<FolderBookmark::Volume> volumes = mounted();
    const QByteArray bookmark = *DestinationStore(destinationOptions(file)).favorites()[0].bookmark;
    EXPECT_FALSE(FolderBookmark::resolve(bookmark, volumes, {.maxDepth = 3, .maxEntries = 50000}));
    std::atomic<bool> cancelled = true;
    EXPECT_FALSE(FolderBookmark::resolve(bookmark, volumes, {}, &cancelled));
    const auto found = FolderBookmark::resolve(bookmark, volumes, {});
    ASSERT_TRUE(found);
    EXPECT_EQ(found->path, home("Drive/b/c/d/e/Footage"));
    EXPECT_TRUE(found->stale);

    // Without a UUID the volume must be mounted where it was: the same device seen at another
    // mount point is not trusted.
    QList<FolderBookmark::Volume> elsewhere = volumes;
    for (FolderBookmark::Volume& volume : elsewhere)
        if (home.path().startsWith(volume.mountPoint))
            volume.mountPoint = home.path();
    EXPECT_FALSE(FolderBookmark::resolve(bookmark, elsewhere, {}));
}

TEST_F(MovedFolderTest, AMountChangeLooksForMovedFoldersAgainOnceWatching) {
    QDir().mkpath(home("Drive/Footage"));
    DestinationStore store(destinationOptions(home("destinations.json")));
    store.add(home("Drive/Footage"));
    store.startWatchingDrives();
    ASSERT_TRUE(rename(home("Drive/Footage"), home("Drive/Renamed")));
    store.mountsChanged();
    ASSERT_TRUE(spinUntil([&] { return settled(store); }));
    EXPECT_EQ(store.favorites()[0].path, home("Drive/Renamed"));
}

TEST_F(MovedFolderTest, TheLaunchChoiceFollowsTheDefaultFoundMoved) {
    const QString file = home("destinations.json");
    {
        DestinationStore store(destinationOptions(file));
        QDir().mkpath(home("Drive/Main"));
        QDir().mkpath(home("Drive/Other"));
        store.add(home("Drive/Main"));
        store.markUsed(store.add(home("Drive/Other")).id);
    }
    ASSERT_TRUE(rename(home("Drive/Main"), home("Drive/Main 2")));

    AppSettings settings(nullptr);
    settings.setValue(setting::destinationMovedToFavorites, true);
    DestinationStore store(destinationOptions(file));
    DestinationChoice::chooseAtLaunch(settings, store);
    // At first the default is missing and the last used stands in.
    EXPECT_EQ(settings.value(setting::destinationPath), home("Drive/Other"));
    ASSERT_TRUE(spinUntil(
        [&] { return settings.value(setting::destinationPath) == home("Drive/Main 2"); }));
}

TEST(FolderBookmarkTest, NoBookmarkForAMissingFolderOrWhereInodesDoNotLast) {
    // Where inode numbers do not last, an inode could name another folder later.
    TempDir home;
    QDir().mkpath(home("Footage"));
    const QList<FolderBookmark::Volume> exfat{{.mountPoint = "/", .fsType = "exfat"}};
    EXPECT_FALSE(FolderBookmark::make(home("Footage"), exfat));
    EXPECT_FALSE(FolderBookmark::make(home("missing"), mounted()));
}
