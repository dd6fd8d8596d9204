#include "app/onboarding/OnboardingStore.h"

#include "app/onboarding/OnboardingApplier.h"
#include "history/History.h"

#include "AppTestSupport.h"

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

// Preferences in a file of their own besides the stores.
struct SetupWorld : MemoryStores {
    std::shared_ptr<QSettings> preferences() const {
        return AppSettings::openPreferences(home("Stowly.ini"));
    }
    OnboardingDraft draftFor(const QString& folderName) const {
        OnboardingDraft draft;
        draft.destinationPath = folder(folderName);
        return draft;
    }
};

} // namespace

TEST(OnboardingStoreTest, KeepsStepAndDraftUntilFinishedAndStartsAfreshFromUnreadableOnes) {
    SetupWorld w;
    OnboardingDraft draft = w.draftFor("SSD");
    draft.editPresetName("Weddings");
    {
        OnboardingStore store(w.preferences());
        store.goForward();
        store.goForward();
        store.setDraft(draft);
        store.goForward();
    }
    const OnboardingStore reopened(w.preferences());
    EXPECT_EQ(reopened.step(), OnboardingStep::folders);
    EXPECT_EQ(reopened.draft(), draft);

    for (const QString bad : {"{not json", "[1, 2]", R"({"starter": "filmShoot"})"}) {
        auto preferences = w.preferences();
        preferences->setValue("onboardingStep", "welcome");
        preferences->setValue("onboardingDraft", bad);
        preferences->sync();
        const OnboardingStore store(w.preferences());
        EXPECT_EQ(store.step(), OnboardingStep::splash);
        EXPECT_EQ(store.draft(), OnboardingDraft()) << bad.toStdString();
    }

    // Finishing keeps only the flag; restarting begins again.
    OnboardingStore store(w.preferences());
    store.markFinished();
    store.goForward(); // the window may still move after the flag is set
    EXPECT_EQ(w.preferences()->allKeys(), QStringList{"onboardingFinished"});
    EXPECT_TRUE(OnboardingStore(w.preferences()).isFinished());

    store.restart();
    EXPECT_EQ(store.draft(), OnboardingDraft());
    EXPECT_FALSE(OnboardingStore(w.preferences()).isFinished());
    EXPECT_EQ(w.preferences()->value("onboardingStep").toString(), "splash");
}

TEST(OnboardingStoreTest, WalksForwardOnlyPastCompleteStepsAndJumpsOnlyBack) {
    OnboardingStore store(nullptr); // nothing is kept
    const auto forward = [&store](int times) {
        while (times-- > 0)
            store.goForward();
    };
    store.goBack();
    forward(3);
    EXPECT_EQ(store.step(), OnboardingStep::destination); // no folder chosen yet
    OnboardingDraft draft;
    draft.destinationPath = "/media/u/SSD";
    store.setDraft(draft);
    forward(3);
    EXPECT_TRUE(store.canJump(OnboardingStep::template_) && store.canJump(OnboardingStep::review));
    EXPECT_FALSE(store.canJump(OnboardingStep::splash) || store.canJump(OnboardingStep::done));
    store.jump(OnboardingStep::folders);
    EXPECT_EQ(store.step(), OnboardingStep::folders);
    forward(4);
    EXPECT_EQ(store.step(), OnboardingStep::done);
    EXPECT_FALSE(store.canJump(OnboardingStep::review));
}

TEST(OnboardingStoreTest, SavingAFreshSetupAppliesItAndUsesItAtOnce) {
    SetupWorld w;
    OnboardingStore store(nullptr);
    w.presets.add(OffloadPreset{.name = "film shoot"});
    const FileRules rules{{"lrv"}, {}, {"*.tmp"}};
    w.settings.setValue(setting::fileRules, rules);
    OnboardingDraft draft = w.draftFor("SSD/Footage");
    draft.destinationPath = *draft.destinationPath + "/";
    draft.ejectAfterOffload = true;
    draft.playSuccessSound = false;
    draft.askToImport = false;
    store.setDraft(draft);

    const std::optional<OffloadPreset> preset = store.save(w.settings, w.destinations, w.presets);
    ASSERT_TRUE(preset);
    EXPECT_EQ(store.savedPreset(), preset);
    EXPECT_TRUE(w.settings.value(setting::ejectAfterOffload) &&
                !w.settings.value(setting::playSuccessSound) &&
                !w.settings.value(setting::askToImportOnMount));
    const FavoriteDestination favorite = w.destinations.favorites().value(0);
    EXPECT_EQ(favorite.path, w.home("SSD/Footage"));
    EXPECT_TRUE(w.destinations.defaultID() == favorite.id &&
                w.destinations.lastUsedID() == favorite.id);
    EXPECT_EQ(w.settings.value(setting::destinationPath), favorite.path);
    EXPECT_EQ(preset->name, "Film Shoot 2"); // as stored, made unique
    EXPECT_EQ(w.presets.activePreset(), preset);
    EXPECT_EQ(preset->fileRules, rules);
    EXPECT_EQ(w.settings.value(setting::folderTemplate), "{project}/{date}/{camera}");

    draft.presetName = "  ";
    store.setDraft(draft);
    EXPECT_FALSE(store.save(w.settings, w.destinations, w.presets) || store.savedPreset());
    EXPECT_EQ(w.presets.presets().size(), 2);
}

TEST(OnboardingStoreTest, ApplyingFindsAnExistingFavouriteAndLeavesTheDefaultWhenAsked) {
    SetupWorld w;
    // The first favourite becomes the default whatever the switch says.
    EXPECT_FALSE(OnboardingApplier::offersDefaultChoice(w.destinations, w.folder("Archive")));
    const FavoriteDestination first = w.destinations.add(w.folder("Archive"));
    const FavoriteDestination second = w.destinations.add(w.folder("SSD"));
    EXPECT_FALSE(OnboardingApplier::offersDefaultChoice(w.destinations, first.path + "/"));
    EXPECT_TRUE(OnboardingApplier::offersDefaultChoice(w.destinations, second.path));

    OnboardingDraft draft = w.draftFor("SSD");
    draft.makeDefaultDestination = false;
    draft.useNow = false;
    const OffloadPreset kept =
        OnboardingApplier::apply(draft, w.settings, w.destinations, w.presets);
    EXPECT_EQ(w.destinations.favorites().size(), 2);
    EXPECT_EQ(w.destinations.defaultID(), first.id);
    EXPECT_FALSE(w.destinations.lastUsedID() || w.settings.value(setting::destinationPath) ||
                 w.presets.activeID());
    EXPECT_EQ(w.settings.value(setting::folderTemplate), "{date}/{project}"); // untouched
    EXPECT_EQ(w.presets.presets(), QList<OffloadPreset>{kept});

    draft.makeDefaultDestination = true;
    OnboardingApplier::apply(draft, w.settings, w.destinations, w.presets);
    EXPECT_EQ(w.destinations.defaultID(), second.id);
}

TEST(OnboardingStoreTest, AnExistingUserIsNotShownTheWizardUnlessTheDemoSwitchIsOn) {
    SetupWorld w;
    EXPECT_FALSE(OnboardingStore::hasExistingSetup(w.presets, w.destinations,
                                                   History(w.home("ledger.json"))));
    EXPECT_TRUE(OnboardingStore::hasExistingSetup(w.presets, w.destinations, 1));

    OnboardingStore store(w.preferences());
    EXPECT_TRUE(OnboardingStore::shouldShow(store, false, false));
    // A favourite from an earlier version, but no finished flag.
    w.destinations.add(w.folder("SSD"));
    const bool existing = OnboardingStore::hasExistingSetup(w.presets, w.destinations, 0);
    EXPECT_FALSE(OnboardingStore::shouldShow(store, existing, false));
    EXPECT_TRUE(OnboardingStore::shouldShow(store, existing, true));
    store.markFinished();
    EXPECT_FALSE(OnboardingStore::shouldShow(store, false, false));

    w.preferences()->setValue("StowlyDemoOnboarding", true); // written when dropped
    EXPECT_TRUE(OnboardingStore::demoSwitch(w.preferences().get()));
}
