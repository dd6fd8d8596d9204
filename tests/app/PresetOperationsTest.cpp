#include "app/stores/PresetOperations.h"

#include "AppTestSupport.h"

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

struct PresetWorld : MemoryStores {
    std::optional<PresetSession> session;
    QList<QUuid> selectedCameras;
    int destinationChanges = 0;
    PresetOperations operations{settings, destinations, presets, cameras,
                                PresetOperations::Hooks{
                                    [this] { return session; },
                                    [this](const QUuid& id) { selectedCameras << id; },
                                    [this] { ++destinationChanges; },
                                }};
};

} // namespace

TEST(PresetOperationsTest, ApplyingSetsNamingDestinationCameraAndMarksActive) {
    PresetWorld s;
    const Camera camera = s.cameras.add("FX3", "FX");
    const FavoriteDestination favorite = s.destinations.add(s.folder("SSD"));
    const OffloadPreset preset = s.presets.add({.name = "Weddings",
                                                .destinationPath = s.folder("SSD") + "/",
                                                .folderTemplate = "{project}/{date}",
                                                .fileTemplate = "{original}",
                                                .cameraID = camera.id,
                                                .shortClipSeconds = 9,
                                                .quickDump = true,
                                                .fileRules = FileRules{{}, {"xml"}, {}}});
    s.session = PresetSession{PresetSession::Phase::ready, std::nullopt};

    s.operations.applyPreset(preset);
    EXPECT_EQ(s.settings.value(setting::fileTemplate), "{original}");
    EXPECT_EQ(s.settings.value(setting::destinationPath), favorite.path);
    EXPECT_EQ(s.destinations.lastUsedID(), favorite.id);
    EXPECT_EQ(s.destinationChanges, 1);
    EXPECT_EQ(s.selectedCameras, QList<QUuid>{camera.id});
    EXPECT_EQ(s.presets.activeID(), preset.id);
    // Every naming choice and rule came across.
    EXPECT_FALSE(s.operations.activePresetIsEdited());

    // A folder that is no favourite is used as it is and clears the last used.
    s.operations.applyPreset({.destinationPath = s.folder("Other")});
    EXPECT_EQ(s.settings.value(setting::destinationPath), s.folder("Other"));
    EXPECT_FALSE(s.destinations.lastUsedID());
}

TEST(PresetOperationsTest, APresetsDestinationFollowsItsFavoritesFolder) {
    PresetWorld s;
    const FavoriteDestination favorite = s.destinations.add(s.folder("SSD"));
    const OffloadPreset following = s.presets.add({.destinationPath = s.folder("SSD") + "/"});
    const OffloadPreset other = s.presets.add({.destinationPath = s.folder("Other")});
    s.operations.applyPreset(following);
    s.destinations.setPath(favorite.id, s.folder("New SSD"));
    EXPECT_EQ(s.presets.preset(following.id)->destinationPath, s.folder("New SSD"));
    EXPECT_EQ(s.presets.preset(other.id)->destinationPath, s.folder("Other"));
}

TEST(PresetOperationsTest, AMissingFolderOrABusySessionLimitWhatIsApplied) {
    PresetWorld s;
    s.settings.setValue(setting::destinationPath, s.folder("Current"));
    const Camera camera = s.cameras.add("FX3", "FX");
    const OffloadPreset preset{.destinationPath = s.home("Unplugged"),
                               .fileTemplate = "{original}",
                               .cameraID = camera.id};

    s.session = PresetSession{PresetSession::Phase::running, std::nullopt};
    s.operations.applyPreset(preset);
    EXPECT_EQ(s.settings.value(setting::fileTemplate), "{date}_{project}_{seq}");
    EXPECT_FALSE(s.presets.activeID());

    s.session->phase = PresetSession::Phase::finished;
    s.operations.applyPreset(preset);
    EXPECT_EQ(s.settings.value(setting::fileTemplate), "{original}");
    EXPECT_EQ(s.settings.value(setting::destinationPath), s.folder("Current"));
    EXPECT_EQ(s.destinationChanges, 0);
    EXPECT_TRUE(s.selectedCameras.isEmpty());
    // Applying a preset that is not stored marks nothing active.
    EXPECT_FALSE(s.presets.activeID());
}

TEST(PresetOperationsTest, SavingTheCurrentSetupNamesAndActivatesItAndUpdatingKeepsItsIdAndName) {
    PresetWorld s;
    const Camera camera = s.cameras.add("FX3", "FX");
    s.settings.setValue(setting::destinationPath, "/dest");
    s.settings.setValue(setting::shortClipSeconds, 9);
    s.session = PresetSession{PresetSession::Phase::ready, camera.id};
    const OffloadPreset first = s.operations.saveCurrentSetupAsPreset(" Wedding ");
    const OffloadPreset blank = s.operations.saveCurrentSetupAsPreset("  ");
    EXPECT_EQ(first.name, "Wedding");
    EXPECT_EQ(blank.name, "New Preset");
    EXPECT_EQ(s.presets.activeID(), blank.id);
    EXPECT_EQ(first.destinationPath, "/dest");
    EXPECT_EQ(first.shortClipSeconds, 9);
    EXPECT_EQ(first.cameraID, camera.id);

    // Without a session the active preset's camera is carried over.
    s.session.reset();
    EXPECT_EQ(s.operations.currentSetupAsPreset("x").cameraID, camera.id);

    s.settings.setValue(setting::folderTemplate, "{year}/{month}");
    EXPECT_TRUE(s.operations.activePresetIsEdited());
    s.operations.updateActivePresetFromCurrentSetup();
    ASSERT_EQ(s.presets.presets().size(), 2);
    EXPECT_EQ(s.presets.presets()[1].id, blank.id);
    EXPECT_EQ(s.presets.presets()[1].name, "New Preset");
    EXPECT_EQ(s.presets.presets()[1].folderTemplate, "{year}/{month}");
    EXPECT_EQ(s.presets.presets()[0].folderTemplate, first.folderTemplate);
    EXPECT_FALSE(s.operations.activePresetIsEdited());
}

TEST(PresetOperationsTest, DifferenceRules) {
    AppSettings settings(nullptr);
    OffloadPreset preset;
    EXPECT_FALSE(PresetOperations::differs(preset, settings, std::nullopt));

    // Seconds count only while the preset skips short clips.
    preset.skipShortClips = false;
    settings.setValue(setting::skipShortClips, false);
    settings.setValue(setting::shortClipSeconds, 30);
    EXPECT_FALSE(PresetOperations::differs(preset, settings, std::nullopt));
    preset.skipShortClips = true;
    settings.setValue(setting::skipShortClips, true);
    EXPECT_TRUE(PresetOperations::differs(preset, settings, std::nullopt));
    settings.setValue(setting::shortClipSeconds, 5);

    FileRules rules = FileRules::standard();
    rules.sidecarExtensions << "json";
    settings.setValue(setting::fileRules, rules);
    EXPECT_TRUE(PresetOperations::differs(preset, settings, std::nullopt));
    settings.setValue(setting::fileRules, FileRules::standard());

    // A preset without a destination ignores the destination.
    EXPECT_FALSE(PresetOperations::differs(preset, settings, QString("/anything")));
    preset.destinationPath = "/media/u/SSD/Footage";
    EXPECT_FALSE(PresetOperations::differs(preset, settings, QString("/media/u/SSD/Footage/")));
    EXPECT_TRUE(PresetOperations::differs(preset, settings, QString("/media/u/SSD/Other")));
    EXPECT_TRUE(PresetOperations::differs(preset, settings, std::nullopt));
    // The camera is not compared.
    preset.cameraID = QUuid::createUuid();
    EXPECT_FALSE(PresetOperations::differs(preset, settings, QString("/media/u/SSD/Footage")));
}
