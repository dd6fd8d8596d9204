#include "devices/Printers.h"
#include "support/FakeVolumes.h"
#include "support/TestSupport.h"

#include "app/prompts/ImportPromptPolicy.h"
#include "app/prompts/ImportPromptPresenter.h"
#include "app/prompts/ImportPrompter.h"
#include "app/prompts/ImportPrompterHost.h"
#include "app/settings/AppSettings.h"
#include "app/stores/DestinationStore.h"
#include "devices/VolumePaths.h"
#include "devices/VolumeTraits.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace stowly;
using Reason = ImportPromptPolicy::Reason;
using Verdict = ImportPromptPolicy::Verdict;

namespace {

// The model's side, and the screen's: both record what they were asked.
struct FakeHost : ImportPrompterHost, ImportPromptPresenter {
    bool isBusy() const override { return busy; }
    bool isFormatting() const override { return formatting; }
    QList<CardVolume> mountedCards() const override { return cards; }
    void showForImport(const CardVolume& c) override { calls << "import " + c.name; }
    void showNotification(const CardVolume&, const QString& title) override {
        calls << "notification " + title;
    }
    void showPanel(const CardVolume&, const QString& title) override { calls << "panel " + title; }
    void closePanel(const QString& path) override { calls << "close " + path.section('/', -1); }
    void removeNotification(const QString& path) override {
        calls << "remove " + path.section('/', -1);
    }

    bool busy = false, formatting = false;
    QList<CardVolume> cards;
    QStringList calls;
};

class ImportPrompterTest : public ::testing::Test {
protected:
    void SetUp() override {
        VolumePaths::setMountRoots({dir.path() + "/"});
        prompter.setHost(&host, &hostLifetime);
        prompter.setPresenter(&host);
    }
    void TearDown() override { VolumePaths::setMountRoots(VolumePaths::defaultMountRoots()); }
    // A mounted card whose root holds the given entry.
    CardVolume insert(const QString& name, const QString& entry = "DCIM",
                      const std::optional<QString>& uuid = {}) {
        QDir().mkpath(dir(name + '/' + entry));
        volumes.add(test::FakeVolumes::card(dir(name), name, uuid));
        host.cards.append({dir(name), name, uuid});
        return host.cards.last();
    }
    // Mounts and waits for the decision; none when there was none.
    std::optional<bool> mounted(const CardVolume& card, bool force = false) {
        std::optional<bool> result;
        prompter.cardMounted(card, force, [&](bool prompted) { result = prompted; });
        test::spinUntil([&] { return result.has_value(); }, 5000);
        return result;
    }

    test::TempDir dir;
    test::FakeVolumes volumes;
    FakeHost host;
    QObject hostLifetime;
    AppSettings settings{nullptr};
    DestinationStore destinations{{.filePath = std::nullopt}};
    ImportPrompter prompter{true, settings, destinations, volumes};
};

} // namespace

TEST(ImportPromptPolicyTest, TheFirstMatchingRuleWins) {
    VolumePaths::setMountRoots({"/Volumes/"});
    // Every step matches all later rules too, so only the order decides.
    VolumeTraits t{"/mnt/CARD", true, true, false, false, false, true, true};
    auto verdict = [&](const QStringList& destinations = {"/Volumes/CARD/x"}) {
        return ImportPromptPolicy::verdict(t, "ID", destinations, {"ID"}, false).text();
    };
    EXPECT_EQ(verdict(), "skip(system)");
    t.path = "/Volumes/CARD";
    t.isRootFileSystem = true;
    EXPECT_EQ(verdict(), "skip(system)");
    t.isRootFileSystem = false;
    EXPECT_EQ(verdict(), "skip(network)");
    t.isLocal = true;
    EXPECT_EQ(verdict(), "skip(diskImage)");
    t.isDiskImage = false;
    t.isRemovable = false;
    t.isInternal = true;
    EXPECT_EQ(verdict(), "skip(notExternal)");
    t.isInternal.reset(); // unknown is not internal…
    EXPECT_EQ(verdict(), "skip(backup)");
    t.isEjectable = false; // …but neither removable nor ejectable is not external
    EXPECT_EQ(verdict(), "skip(notExternal)");
    t.isEjectable = true;
    t.isBackup = false;
    EXPECT_EQ(verdict({"/Users/me", "/Volumes/CARD"}), "skip(destination)");
    EXPECT_EQ(verdict({"/Volumes/CARD2/x"}), "skip(ignored)");
    EXPECT_EQ(ImportPromptPolicy::verdict(t, "NEW", {}, {"ID"}, false).text(),
              "skip(notCameraMedia)");
    EXPECT_EQ(ImportPromptPolicy::verdict(t, "NEW", {}, {"ID"}, true), Verdict::prompt());
    VolumePaths::setMountRoots(VolumePaths::defaultMountRoots());
}

TEST_F(ImportPrompterTest, PromptsForACameraCardInTheChosenStyle) {
    const CardVolume card = insert("EOS_DIGITAL", "DCIM/100CANON", QString("U1"));
    EXPECT_EQ(mounted(card), true);
    settings.setValue(setting::importPromptStyle, ImportPromptStyle::panel);
    EXPECT_EQ(mounted(card, true), true);
    settings.setValue(setting::importPromptStyle, ImportPromptStyle::notification);
    ImportPrompter panelsOnly(false, settings, destinations, volumes);
    panelsOnly.setHost(&host);
    panelsOnly.setPresenter(&host);
    bool done = false;
    panelsOnly.cardMounted(card, true, [&](bool) { done = true; });
    ASSERT_TRUE(test::spinUntil([&] { return done; }));
    EXPECT_EQ(host.calls, QStringList({"notification EOS_DIGITAL card connected",
                                       "panel EOS_DIGITAL card connected",
                                       "panel EOS_DIGITAL card connected"}));

    QStringList overridden;
    prompter.presentOverride = [&](const CardVolume& c) { overridden << c.name; };
    EXPECT_EQ(mounted(card, true), true);
    EXPECT_EQ(overridden, QStringList({"EOS_DIGITAL"}));
    EXPECT_EQ(host.calls.size(), 3);
}

TEST_F(ImportPrompterTest, SkipsWhatPolicyAndSettingsRuleOut) {
    const CardVolume drive = insert("UNTITLED", "Documents");
    EXPECT_EQ(mounted(drive), false);
    EXPECT_EQ(prompter.title(drive), "UNTITLED drive connected");

    // A card that holds the destination or a favourite is a drive to copy to.
    const CardVolume card = insert("CARD", "DCIM", QString("U1"));
    QDir().mkpath(card.url + "/Footage");
    const FavoriteDestination favorite = destinations.add(card.url + "/Footage");
    EXPECT_EQ(mounted(card, true), false);
    destinations.remove({favorite.id});
    settings.setValue(setting::destinationPath, card.url + "/Footage");
    EXPECT_EQ(mounted(card, true), false);
    settings.setValue(setting::destinationPath, std::nullopt);
    settings.ignoreImports(card);
    EXPECT_EQ(mounted(card, true), false);
    settings.stopIgnoringImports("U1");
    EXPECT_EQ(mounted(card, true), true);
    host.calls.clear();

    // Off, paused or without a host, nothing is decided and the completion never runs.
    bool called = false;
    settings.setValue(setting::askToImportOnMount, false);
    prompter.cardMounted(card, false, [&](bool) { called = true; });
    settings.setValue(setting::askToImportOnMount, true);
    prompter.setPaused(true);
    prompter.cardMounted(card, false, [&](bool) { called = true; });
    prompter.setPaused(false);
    { // the host's lifetime ends
        QObject lifetime;
        prompter.setHost(&host, &lifetime);
    }
    prompter.cardMounted(card, false, [&](bool) { called = true; });
    EXPECT_FALSE(called);
    EXPECT_TRUE(host.calls.isEmpty());
}

TEST_F(ImportPrompterTest, PromptsOncePerCardWithinTwentySecondsUnlessForced) {
    const CardVolume card = insert("CARD", "DCIM", QString("U1"));
    EXPECT_EQ(mounted(card), true);
    EXPECT_EQ(mounted(card), false);
    EXPECT_EQ(mounted(card, true), true);
    EXPECT_EQ(mounted(insert("OTHER", "DCIM", QString("U2"))), true);
    EXPECT_EQ(host.calls.size(), 3);

    host.cards.clear(); // gone while the facts were read
    EXPECT_EQ(mounted(card, true), false);
}

TEST_F(ImportPrompterTest, HoldsPromptsBackDuringAnOffloadOrErase) {
    const CardVolume a = insert("A", "DCIM", QString("UA"));
    const CardVolume b = insert("B", "DCIM", QString("UB"));
    host.busy = true;
    EXPECT_EQ(mounted(a), true);
    EXPECT_EQ(mounted(a, true), true); // mounted again: still queued once
    EXPECT_EQ(mounted(b), true);
    EXPECT_EQ(prompter.queued(), QList<CardVolume>({a, b}));

    host.cards[1].uuid = "OTHER"; // B's place now holds another card
    host.busy = false;
    prompter.offloadEnded();
    EXPECT_TRUE(prompter.queued().isEmpty());
    EXPECT_EQ(host.calls, QStringList({"notification A card connected"}));

    host.formatting = true;
    EXPECT_EQ(mounted(a, true), true);
    prompter.setPaused(true); // paused meanwhile: the queue is dropped
    prompter.offloadEnded();
    EXPECT_TRUE(prompter.queued().isEmpty());
    EXPECT_EQ(host.calls.size(), 1);

    prompter.setPaused(false);
    EXPECT_EQ(mounted(a, true), true);
    prompter.cardRemoved(a);
    EXPECT_TRUE(prompter.queued().isEmpty());
    EXPECT_EQ(host.calls.mid(1), QStringList({"close A", "remove A"}));
}

TEST_F(ImportPrompterTest, CarriesTheAnswerBack) {
    const CardVolume card = insert("CARD", "DCIM", QString("U1"));
    prompter.handle(card.url, ImportPrompter::Choice::importCard);
    prompter.handle(card.url, ImportPrompter::Choice::ignore);
    prompter.handle(card.url, ImportPrompter::Choice::dontAsk);
    prompter.handle(card.url, ImportPrompter::Choice::dontAsk); // already ignored
    EXPECT_EQ(settings.value(setting::ignoredImportCards),
              QList<IgnoredImportCard>({{"U1", "CARD"}}));
    prompter.handle(dir("GONE"), ImportPrompter::Choice::importCard);
    prompter.handleNotificationAction(card.url, ImportPrompter::defaultAction());
    prompter.handleNotificationAction(card.url, "dontAsk");
    prompter.handleNotificationAction(card.url, "ignore");
    EXPECT_EQ(host.calls,
              QStringList({"close CARD", "import CARD", "close CARD", "close CARD", "close CARD",
                           "close GONE", "close CARD", "import CARD", "close CARD"}));
}
