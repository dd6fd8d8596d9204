#include "app/onboarding/OnboardingDraft.h"

#include "support/Printing.h"

#include <QJsonValue>

#include <gtest/gtest.h>

using namespace stowly;

TEST(OnboardingDraftTest, StartersSetTheNamingAndTheDraftRoundTripsThroughJson) {
    OnboardingDraft draft;
    draft.chooseStarter(OnboardingStarter::blank);
    EXPECT_EQ(draft.presetName, "My Preset");
    EXPECT_EQ(draft.folderTemplate, ""); // "Flat"
    draft.editPresetName("Trip");
    draft.chooseStarter(OnboardingStarter::podcast);
    EXPECT_EQ(draft.presetName, "Trip"); // typed names are kept
    EXPECT_EQ(draft.folderTemplate, "{project}/{type}/{date}");

    draft.destinationPath = "/media/u/SSD";
    draft.shortClipSeconds = 12;
    const QJsonObject json = draft.toJson();
    EXPECT_EQ(OnboardingDraft::fromJson(json), draft);
    EXPECT_FALSE(OnboardingDraft().toJson().contains("destinationPath"));

    // A missing key, a value of the wrong kind or an unknown starter make it unreadable.
    const QList<QPair<QString, QJsonValue>> changes{{"destinationPath", QJsonValue::Null},
                                                    {"useNow", QJsonValue::Undefined},
                                                    {"destinationPath", 7},
                                                    {"starter", "wedding"},
                                                    {"renameFiles", 1},
                                                    {"shortClipSeconds", 5.5}};
    for (const auto& [key, value] : changes) {
        QJsonObject changed = json;
        changed[key] = value;
        EXPECT_EQ(OnboardingDraft::fromJson(changed).has_value(), value.isNull())
            << key.toStdString();
    }
}

TEST(OnboardingDraftTest, EachStepAsksForWhatItNeeds) {
    OnboardingDraft draft;
    for (const OnboardingStep step :
         {OnboardingStep::splash, OnboardingStep::template_, OnboardingStep::done})
        EXPECT_TRUE(draft.canLeave(step));
    EXPECT_FALSE(draft.canLeave(OnboardingStep::destination));
    draft.destinationPath = "/media/u/SSD";
    EXPECT_TRUE(draft.canLeave(OnboardingStep::destination));

    draft.folderTemplate = "";
    EXPECT_TRUE(draft.canLeave(OnboardingStep::folders));
    draft.folderTemplate = "{date}/{seq}"; // a sequence number only names files
    EXPECT_FALSE(draft.canLeave(OnboardingStep::folders) || draft.canLeave(OnboardingStep::review));
    draft.folderTemplate = "{date}";

    draft.fileTemplate = "{date";
    EXPECT_FALSE(draft.canLeave(OnboardingStep::naming) || draft.canLeave(OnboardingStep::review));
    // With renaming off the original names are checked, whatever the typed template holds.
    draft.renameFiles = false;
    EXPECT_TRUE(draft.canLeave(OnboardingStep::naming) && draft.canLeave(OnboardingStep::review));

    draft.presetName = " \t ";
    EXPECT_FALSE(draft.canLeave(OnboardingStep::review));
    draft.presetName = "Trip";
    draft.destinationPath.reset();
    EXPECT_FALSE(draft.canLeave(OnboardingStep::review));
}

TEST(OnboardingDraftTest, PresetTakesTheDraftsChoicesAndTheGivenRules) {
    OnboardingDraft draft;
    draft.destinationPath = "/media/u/SSD";
    draft.chooseStarter(OnboardingStarter::podcast);
    draft.editPresetName("   ");
    draft.skipShortClips = false;
    draft.shortClipSeconds = 90;
    const FileRules rules{{"lrv"}, {"xml"}, {"*.tmp"}};

    const OffloadPreset preset = draft.makePreset(rules);
    EXPECT_EQ(preset.name, "Podcast");
    EXPECT_EQ(preset.destinationPath, draft.destinationPath);
    EXPECT_EQ(preset.folderTemplate, "{project}/{type}/{date}");
    EXPECT_FALSE(preset.cameraID || preset.quickDump);
    EXPECT_EQ(preset.shortClipSeconds, 60); // what the settings would hold
    EXPECT_EQ(preset.fileRules, rules);

    draft.editPresetName("  Interviews ");
    draft.renameFiles = false;
    const OffloadPreset second = draft.makePreset(rules);
    EXPECT_EQ(second.name, "Interviews");
    EXPECT_EQ(second.fileTemplate, "{original}");
    EXPECT_NE(second.id, preset.id);
}
