#include "app/stores/PresetStore.h"

#include "support/Printing.h"
#include "support/TestSupport.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

OffloadPreset named(const QString& name) {
    OffloadPreset preset;
    preset.name = name;
    return preset;
}

QStringList names(const PresetStore& store) {
    QStringList result;
    for (const OffloadPreset& preset : store.presets())
        result << preset.name;
    return result;
}

} // namespace

TEST(PresetStoreTest, RoundTripsThroughItsFile) {
    TempDir home;
    const QString file = home("Stowly/presets.json");
    PresetStore store(file);
    const OffloadPreset first = store.add({.name = "Wedding",
                                           .destinationPath = "/media/u/SSD/Weddings",
                                           .folderTemplate = "{project}/{date}",
                                           .cameraID = QUuid::createUuid(),
                                           .skipShortClips = false,
                                           .shortClipSeconds = 12,
                                           .quickDump = true,
                                           .fileRules = FileRules{{"lrv"}, {}, {"*.tmp"}}});
    const OffloadPreset second = store.add(named("Plain"));
    store.markActive(second.id);

    PresetStore reloaded(file);
    EXPECT_FALSE(reloaded.lastError());
    EXPECT_EQ(reloaded.presets(), QList<OffloadPreset>({first, second}));
    EXPECT_EQ(reloaded.activeID(), second.id);
    // Absent values are left out, not written as null.
    EXPECT_EQ(readFile(file).count("\"cameraID\""), 1);
}

TEST(PresetStoreTest, ReadsHandWrittenPresetsAndRejectsIncompleteOnes) {
    TempDir home;
    const QString file = home("presets.json");
    const QByteArray rules =
        R"("fileRules": {"proxyExtensions": [], "sidecarExtensions": [], "ignorePatterns": []})";
    const QByteArray minimal = R"({"id": "0B1E6A52-8D2C-4A51-9A55-2F6F5C1D0A02", "name": "A",
        "folderTemplate": "", "fileTemplate": "{original}", "skipShortClips": true,
        "shortClipSeconds": 3, "quickDump": false, )" +
                               rules + "}";
    writeFile(file, R"({"activeID": "11111111-2222-3333-4444-555555555555", "presets": [)" +
                        minimal + "]}");
    PresetStore store(file);
    ASSERT_EQ(store.presets().size(), 1);
    EXPECT_FALSE(store.presets()[0].destinationPath);
    EXPECT_FALSE(store.presets()[0].cameraID);
    EXPECT_FALSE(store.activeID()); // names no preset

    const QByteArray withoutRules = QByteArray(minimal).replace(rules, "\"x\": 1");
    writeFile(file, "{\"presets\": [" + minimal + ", " + withoutRules + "]}");
    PresetStore broken(file, {named("Kept")});
    EXPECT_EQ(names(broken), QStringList{"Kept"});
    ASSERT_TRUE(broken.lastError());
    EXPECT_TRUE(broken.lastError()->startsWith(
        "Couldn’t read your presets: preset 2 lacks “fileRules”. The old file was kept as "
        "presets.json.corrupt-"))
        << broken.lastError()->toStdString();

    writeFile(file, "{\"presets\": [" + QByteArray(minimal).replace("3,", "2.5,") + "]}");
    PresetStore fractional(file);
    ASSERT_TRUE(fractional.lastError());
    EXPECT_TRUE(
        fractional.lastError()->contains("“shortClipSeconds” of preset 1 isn’t a whole number"));
}

TEST(PresetStoreTest, NamesAreMadeUniqueIgnoringCaseAndTheActivePresetFollowsDeletes) {
    PresetStore store(std::nullopt);
    const OffloadPreset wedding = store.add(named("Wedding"));
    EXPECT_EQ(store.add(named(" wedding ")).name, "wedding 2");
    EXPECT_EQ(store.add(named("")).name, "Untitled Preset");
    EXPECT_EQ(store.add(named("  ")).name, "Untitled Preset 2");

    const OffloadPreset interview = store.add(named("Interview"));
    EXPECT_EQ(store.duplicate(interview.id)->name, "Interview Copy");
    EXPECT_EQ(store.duplicate(interview.id)->name, "Interview Copy 2");
    EXPECT_NE(store.presets().last().id, interview.id);
    EXPECT_FALSE(store.duplicate(QUuid::createUuid()));

    // A preset never collides with its own name; edits that change nothing signal nothing.
    QSignalSpy changed(&store, &PresetStore::changed);
    store.rename(interview.id, "Interview ");
    store.markActive(QUuid::createUuid());
    store.update(wedding);
    EXPECT_EQ(changed.count(), 0);
    store.rename(interview.id, "WEDDING");
    EXPECT_EQ(store.preset(interview.id)->name, "WEDDING 3");

    store.markActive(interview.id);
    store.remove(wedding.id);
    EXPECT_EQ(store.activeID(), interview.id);
    store.remove(interview.id);
    EXPECT_FALSE(store.activeID());
}
