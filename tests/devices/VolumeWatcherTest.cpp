#include "FakeVolumes.h"
#include "Printers.h"

#include "devices/VolumePaths.h"
#include "devices/VolumeWatcher.h"
#include "diagnostics/Log.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace stowly;
using test::FakeVolumes;

namespace {

class VolumeWatcherTest : public ::testing::Test {
protected:
    void SetUp() override {
        VolumePaths::setMountRoots({"/Volumes/"});
        Log::useFile(log("stowly.log"));
        watcher.onCardInserted = [this](const CardVolume& card, bool isNew) {
            inserted.append((isNew ? "new " : "old ") + card.url);
        };
        watcher.onCardRemoved = [this](const CardVolume& card) { removed.append(card.url); };
        watcher.destinationPathProvider = [this] { return destination; };
    }
    void TearDown() override {
        VolumePaths::setMountRoots(VolumePaths::defaultMountRoots());
        Log::useFile({});
    }
    QStringList paths() const {
        QStringList result;
        for (const CardVolume& card : watcher.cards())
            result.append(card.url);
        return result;
    }
    QString logText() const { return QString::fromUtf8(test::readFile(log("stowly.log"))); }

    test::TempDir log;
    FakeVolumes volumes;
    test::FakeMountEvents events;
    VolumeWatcher watcher{volumes, events};
    std::optional<QString> destination;
    QStringList inserted;
    QStringList removed;
};

} // namespace

TEST_F(VolumeWatcherTest, ListsCardsAlreadyMountedWithoutCallingThemNew) {
    VolumeResources system = FakeVolumes::card("/");
    system.isRootFileSystem = true;
    volumes.add(system);
    volumes.add(FakeVolumes::card("/Volumes/B", "B"));
    volumes.add(FakeVolumes::card("/Volumes/A", "A", QString("UUID-A")));
    watcher.start();
    watcher.start();
    EXPECT_EQ(events.starts, 1);
    EXPECT_EQ(paths(), QStringList({"/Volumes/B", "/Volumes/A"}));
    EXPECT_EQ(inserted, QStringList({"old /Volumes/B", "old /Volumes/A"}));
    EXPECT_EQ(watcher.cards()[1], (CardVolume{"/Volumes/A", "A", QString("UUID-A")}));
    // Volumes found at start-up that are not cards are skipped without a word.
    EXPECT_FALSE(logText().contains("Not a card"));
}

TEST_F(VolumeWatcherTest, DecidesWhatCountsAsACard) {
    VolumeResources fixed = FakeVolumes::card("/Volumes/HDD", "HDD");
    fixed.isRemovable = fixed.isEjectable = false;
    volumes.add(fixed);
    VolumeResources ejectable = FakeVolumes::card("/Volumes/SSD", "SSD");
    ejectable.isRemovable = false;
    volumes.add(ejectable);
    volumes.add(FakeVolumes::card("/mnt/CARD", "CARD"));
    volumes.add(FakeVolumes::card("/Volumes/Untitled 1")); // no name
    VolumeResources unreadable = FakeVolumes::card("/Volumes/X");
    unreadable.isRemovable.reset();
    unreadable.isEjectable.reset();
    volumes.add(unreadable);

    EXPECT_FALSE(watcher.makeCard("/Volumes/HDD"));
    EXPECT_TRUE(watcher.makeCard("/Volumes/SSD"));
    EXPECT_FALSE(watcher.makeCard("/mnt/CARD"));
    EXPECT_EQ(watcher.makeCard("/Volumes/Untitled 1")->name, "Untitled 1");
    EXPECT_FALSE(watcher.makeCard("/Volumes/X"));
    EXPECT_FALSE(watcher.makeCard("/Volumes/NotMounted"));

    destination = "/Volumes/SSD/Footage";
    EXPECT_FALSE(watcher.makeCard("/Volumes/SSD"));
    volumes.add(FakeVolumes::card("/Volumes/SSD2", "SSD2"));
    destination = "/Volumes/SSD2/x";
    EXPECT_TRUE(watcher.makeCard("/Volumes/SSD"));
    destination = "/Volumes/SSD";
    EXPECT_FALSE(watcher.makeCard("/Volumes/SSD"));
}

TEST_F(VolumeWatcherTest, AddsEachMountOnceAndRemovesOnUnmount) {
    watcher.start();
    volumes.add(FakeVolumes::card("/Volumes/CARD", "CARD"));
    volumes.add(FakeVolumes::card("/Volumes/CARD 1", "CARD"));
    volumes.add(FakeVolumes::card("/Volumes/HDD", "HDD"));
    events.mount("/Volumes/CARD");
    events.mount("/Volumes/CARD");
    events.mount("/Volumes/CARD 1");
    events.mount("/mnt/elsewhere");
    // Two cards with one name at two places are two cards.
    EXPECT_EQ(paths(), QStringList({"/Volumes/CARD", "/Volumes/CARD 1"}));
    EXPECT_EQ(inserted, QStringList({"new /Volumes/CARD", "new /Volumes/CARD 1"}));
    const QString text = logText();
    EXPECT_TRUE(text.contains("Mounted: /Volumes/CARD\n"));
    EXPECT_TRUE(text.contains("Already listed: /Volumes/CARD\n"));
    EXPECT_TRUE(text.contains("Not a card or drive: /mnt/elsewhere\n"));

    events.unmount("/Volumes/CARD");
    events.unmount("/Volumes/never-listed");
    EXPECT_EQ(paths(), QStringList({"/Volumes/CARD 1"}));
    EXPECT_EQ(removed, QStringList({"/Volumes/CARD"}));
}

TEST_F(VolumeWatcherTest, RefreshAppliesTheDestinationRuleWithoutCallbacks) {
    volumes.add(FakeVolumes::card("/Volumes/A", "A"));
    volumes.add(FakeVolumes::card("/Volumes/B", "B"));
    watcher.start();
    inserted.clear();
    int changes = 0;
    QObject::connect(&watcher, &VolumeWatcher::cardsChanged, [&] { ++changes; });

    destination = "/Volumes/A/Footage";
    watcher.refresh();
    EXPECT_EQ(paths(), QStringList({"/Volumes/B"}));
    EXPECT_TRUE(removed.isEmpty());
    EXPECT_EQ(changes, 1);

    destination = "/Users/me/Footage";
    watcher.refresh();
    EXPECT_EQ(paths(), QStringList({"/Volumes/B", "/Volumes/A"}));
    EXPECT_TRUE(inserted.isEmpty()); // no prompt follows a refresh

    watcher.refresh();
    EXPECT_EQ(changes, 2);
}

TEST_F(VolumeWatcherTest, PassesOnEveryMountTableChange) {
    watcher.start();
    int changes = 0;
    QObject::connect(&watcher, &VolumeWatcher::mountsChanged, [&] { ++changes; });
    events.mount("/mnt/anything");
    events.unmount("/mnt/anything");
    EXPECT_EQ(changes, 2);
}
