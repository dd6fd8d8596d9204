#include "app/CameraStore.h"
#include "app/DestinationStore.h"
#include "app/PresetStore.h"
#include "app/lists/CamerasModel.h"
#include "app/lists/CardListModel.h"
#include "app/lists/FavoritesModel.h"
#include "app/lists/PresetsModel.h"
#include "base/Log.h"
#include "devices/FakeVolumes.h"
#include "devices/VolumePaths.h"
#include "devices/VolumeWatcher.h"

#include "AppTestSupport.h"
#include "support/TestSupport.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

constexpr auto fatal = QAbstractItemModelTester::FailureReportingMode::Fatal;

QStringList column(const QAbstractItemModel& model, int role) {
    QStringList values;
    for (int row = 0; row < model.rowCount(); ++row)
        values << model.index(row, 0).data(role).toString();
    return values;
}

} // namespace

TEST(ListModelsTest, StoreListsFollowTheirStores) {
    TempDir home;
    CameraStore cameras(home("cameras.json"));
    PresetStore presets(home("presets.json"));
    DestinationStore::Options options;
    options.fileURL = home("destinations.json");
    options.folderExists = [&](const QString& path) { return path == home("A"); };
    DestinationStore destinations(options);
    CamerasModel cameraRows(cameras);
    PresetsModel presetRows(presets);
    FavoritesModel favoriteRows(destinations);
    QAbstractItemModelTester cameraCheck(&cameraRows, fatal), presetCheck(&presetRows, fatal),
        favoriteCheck(&favoriteRows, fatal);

    const Camera fx3 = cameras.add("FX3", "A");
    cameras.add("fx3", "B");
    cameras.remember(fx3.id, "CARD");
    EXPECT_EQ(column(cameraRows, Qt::DisplayRole), QStringList({"FX3", "fx3 2"}));
    EXPECT_EQ(column(cameraRows, CamerasModel::CodeRole), QStringList({"A", "B"}));
    EXPECT_EQ(column(cameraRows, CamerasModel::IsLastRole), QStringList({"true", "false"}));
    cameras.remove({fx3.id});
    EXPECT_EQ(column(cameraRows, CamerasModel::NameRole), QStringList({"fx3 2"}));

    OffloadPreset wedding;
    wedding.name = "Wedding";
    wedding.cameraID = fx3.id;
    wedding = presets.add(wedding);
    const OffloadPreset blank = presets.add(OffloadPreset{});
    presets.markActive(blank.id);
    EXPECT_EQ(column(presetRows, Qt::DisplayRole), QStringList({"Wedding", "Untitled Preset"}));
    EXPECT_EQ(column(presetRows, PresetsModel::IsActiveRole), QStringList({"false", "true"}));
    EXPECT_EQ(presetRows.index(0).data(PresetsModel::CameraIdRole).toUuid(), fx3.id);
    EXPECT_FALSE(presetRows.index(1).data(PresetsModel::CameraIdRole).isValid());
    EXPECT_FALSE(presetRows.index(0).data(PresetsModel::DestinationPathRole).isValid());
    presets.rename(wedding.id, "Party");
    presets.remove(blank.id);
    EXPECT_EQ(column(presetRows, PresetsModel::NameRole), QStringList({"Party"}));

    const FavoriteDestination a = destinations.add(home("A"));
    destinations.add(home("B"), "Backup");
    destinations.markUsed(a.id);
    EXPECT_EQ(column(favoriteRows, Qt::DisplayRole), QStringList({"A", "Backup"}));
    EXPECT_EQ(column(favoriteRows, FavoritesModel::PathRole), QStringList({home("A"), home("B")}));
    EXPECT_EQ(column(favoriteRows, FavoritesModel::IsDefaultRole), QStringList({"true", "false"}));
    EXPECT_EQ(column(favoriteRows, FavoritesModel::IsLastUsedRole), QStringList({"true", "false"}));
    EXPECT_EQ(column(favoriteRows, FavoritesModel::IsReachableRole),
              QStringList({"true", "false"}));
    destinations.remove({a.id});
    EXPECT_EQ(column(favoriteRows, FavoritesModel::NameRole), QStringList({"Backup"}));
}

TEST(ListModelsTest, CardRowsComeAndGoOneByOne) {
    TempDir dir;
    VolumePaths::setMountRoots({"/Volumes/"});
    Log::useFile(dir("stowly.log"));
    FakeVolumes volumes;
    FakeMountEvents events;
    VolumeWatcher watcher(volumes, events);
    std::optional<QString> destination;
    watcher.destinationPathProvider = [&] { return destination; };
    volumes.add(FakeVolumes::card("/Volumes/A", "A", QString("UUID-A")));
    watcher.start();
    CardListModel model(watcher);
    QAbstractItemModelTester check(&model, fatal);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);

    for (const QString name : {"B", "C"}) {
        volumes.add(FakeVolumes::card("/Volumes/" + name, name));
        events.mount("/Volumes/" + name);
    }
    volumes.remove("/Volumes/B");
    events.unmount("/Volumes/B");
    EXPECT_EQ(column(model, CardListModel::PathRole), QStringList({"/Volumes/A", "/Volumes/C"}));
    EXPECT_EQ(column(model, CardListModel::VolumeIdentityRole), QStringList({"UUID-A", "C"}));
    EXPECT_EQ(column(model, Qt::DisplayRole), QStringList({"A", "C"}));
    EXPECT_EQ(inserted.count(), 2);
    ASSERT_EQ(removed.count(), 1);
    EXPECT_EQ(removed[0][1].toInt(), 1);

    // A card dropped and listed again comes back where the watcher puts it.
    destination = "/Volumes/A/Footage";
    watcher.refresh();
    destination.reset();
    watcher.refresh();
    EXPECT_EQ(column(model, CardListModel::PathRole), QStringList({"/Volumes/C", "/Volumes/A"}));
    EXPECT_EQ(model.rowOf("/Volumes/A"), 1);
    EXPECT_EQ(resets.count(), 0);
    VolumePaths::setMountRoots(VolumePaths::defaultMountRoots());
    Log::useFile({});
}
