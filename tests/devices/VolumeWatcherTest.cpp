#include "Printers.h"
#include "support/FakeVolumes.h"
#include "support/TestSupport.h"

#include "devices/VolumePaths.h"
#include "devices/VolumeWatcher.h"

#include <gtest/gtest.h>

using namespace stowly;
using test::FakeVolumes;

namespace {

class VolumeWatcherTest : public ::testing::Test {
protected:
    void SetUp() override {
        VolumePaths::setMountRoots({"/Volumes/"});
        QObject::connect(&watcher, &VolumeWatcher::cardInserted,
                         [this](const CardVolume& c, bool isNew) {
                             calls << (isNew ? "new " : "old ") + c.url;
                         });
        QObject::connect(&watcher, &VolumeWatcher::cardRemoved,
                         [this](const CardVolume& c) { calls << "removed " + c.url; });
        watcher.destinationPathProvider = [this] { return destination; };
        QObject::connect(&watcher, &VolumeWatcher::cardsChanged, [this] { ++changes; });
    }
    void TearDown() override { VolumePaths::setMountRoots(VolumePaths::defaultMountRoots()); }
    QStringList paths() const {
        QStringList result;
        for (const CardVolume& card : watcher.cards())
            result << card.url;
        return result;
    }
    FakeVolumes volumes;
    test::FakeMountEvents events;
    VolumeWatcher watcher{volumes, events};
    std::optional<QString> destination;
    QStringList calls;
    int changes = 0;
};

} // namespace

TEST_F(VolumeWatcherTest, DecidesWhatCountsAsACard) {
    auto add = [&](const QString& path, std::optional<bool> removable,
                   std::optional<bool> ejectable) {
        VolumeResources r = FakeVolumes::card(path, path.section('/', -1));
        r.isRemovable = removable, r.isEjectable = ejectable;
        volumes.add(r);
    };
    add("/Volumes/HDD", false, false);
    add("/Volumes/X", std::nullopt, std::nullopt); // unreadable facts count as false
    add("/Volumes/SSD", false, true);
    volumes.add(FakeVolumes::card("/mnt/CARD", "CARD"));
    volumes.add(FakeVolumes::card("/Volumes/Untitled 1"));
    volumes.add(FakeVolumes::card("/Volumes/SSD2", "SSD2", QString("U2")));

    for (const char* notACard : {"/Volumes/HDD", "/Volumes/X", "/mnt/CARD", "/Volumes/NotMounted"})
        EXPECT_FALSE(watcher.makeCard(notACard)) << notACard;
    EXPECT_EQ(watcher.makeCard("/Volumes/SSD2"), (CardVolume{"/Volumes/SSD2", "SSD2", "U2"}));
    EXPECT_EQ(watcher.makeCard("/Volumes/Untitled 1")->name, "Untitled 1");
    destination = "/Volumes/SSD/Footage";
    EXPECT_FALSE(watcher.makeCard("/Volumes/SSD"));
    EXPECT_TRUE(watcher.makeCard("/Volumes/SSD2")); // the appended "/" prevents a prefix match
    destination = "/Volumes/SSD";
    EXPECT_FALSE(watcher.makeCard("/Volumes/SSD"));
}

TEST_F(VolumeWatcherTest, ListsMountsOnceAndDropsThemOnUnmount) {
    volumes.add(FakeVolumes::card("/"));
    volumes.add(FakeVolumes::card("/Volumes/B", "B"));
    watcher.start();
    watcher.start();
    EXPECT_EQ(events.starts, 1);
    volumes.add(FakeVolumes::card("/Volumes/CARD", "CARD"));
    volumes.add(FakeVolumes::card("/Volumes/CARD 1", "CARD"));
    events.mount("/Volumes/CARD");
    events.mount("/Volumes/CARD");
    events.mount("/Volumes/CARD 1"); // same name, another place: another card
    events.mount("/mnt/elsewhere");
    EXPECT_EQ(paths(), QStringList({"/Volumes/B", "/Volumes/CARD", "/Volumes/CARD 1"}));
    events.unmount("/Volumes/CARD");
    events.unmount("/Volumes/never-listed");
    EXPECT_EQ(paths(), QStringList({"/Volumes/B", "/Volumes/CARD 1"}));
    EXPECT_EQ(calls, QStringList({"old /Volumes/B", "new /Volumes/CARD", "new /Volumes/CARD 1",
                                  "removed /Volumes/CARD"}));
    EXPECT_EQ(changes, 4);
}

TEST_F(VolumeWatcherTest, RefreshAppliesTheDestinationRuleWithoutCallbacks) {
    volumes.add(FakeVolumes::card("/Volumes/A", "A"));
    volumes.add(FakeVolumes::card("/Volumes/B", "B"));
    watcher.start();
    calls.clear();
    destination = "/Volumes/A/Footage";
    watcher.refresh();
    EXPECT_EQ(paths(), QStringList({"/Volumes/B"}));
    destination = "/home/me/Footage";
    watcher.refresh();
    watcher.refresh();
    EXPECT_EQ(paths(), QStringList({"/Volumes/B", "/Volumes/A"}));
    EXPECT_TRUE(calls.isEmpty()); // no callbacks, so no prompt follows a refresh
    EXPECT_EQ(changes, 4);
}
