#include "FakeVolumes.h"
#include "Printers.h"

#include "devices/ImportPromptPolicy.h"
#include "devices/ImportPrompter.h"
#include "devices/ImportPrompterHost.h"
#include "devices/VolumePaths.h"
#include "devices/VolumeTraits.h"
#include "diagnostics/Log.h"
#include "support/TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace stowly;
using Reason = ImportPromptPolicy::Reason;
using Verdict = ImportPromptPolicy::Verdict;

namespace {

class FakeHost : public ImportPrompterHost {
public:
    bool askToImport() const override { return ask; }
    ImportPromptStyle importPromptStyle() const override { return style; }
    std::optional<QString> destinationPath() const override { return destination; }
    QStringList favoriteDestinationPaths() const override { return favorites; }
    QSet<QString> ignoredImportIdentities() const override { return ignored; }
    void ignoreImports(const CardVolume& card) override {
        ignored.insert(card.volumeIdentity());
        ignoreCalls.append(card.name);
    }
    bool isBusy() const override { return busy; }
    bool isFormatting() const override { return formatting; }
    QList<CardVolume> mountedCards() const override { return cards; }
    void showForImport(const CardVolume& card) override { shownForImport.append(card.url); }

    bool ask = true;
    ImportPromptStyle style = ImportPromptStyle::notification;
    std::optional<QString> destination;
    QStringList favorites;
    QSet<QString> ignored;
    bool busy = false;
    bool formatting = false;
    QList<CardVolume> cards;
    QStringList shownForImport;
    QStringList ignoreCalls;
};

class FakePresenter : public ImportPromptPresenter {
public:
    void showNotification(const CardVolume& card, const QString& title) override {
        calls.append("notification " + card.url + " " + title);
    }
    void showPanel(const CardVolume& card, const QString& title) override {
        calls.append("panel " + card.url + " " + title);
    }
    void closePanel(const QString& path) override { calls.append("close " + path); }
    void removeNotification(const QString& path) override { calls.append("remove " + path); }
    QStringList calls;
};

VolumeTraits externalCard(const QString& path = "/Volumes/CARD") {
    return {path, true, true, false, true, false, false, false};
}

class ImportPrompterTest : public ::testing::Test {
protected:
    void SetUp() override {
        VolumePaths::setMountRoots({dir.path() + "/"});
        Log::useFile(dir("log/stowly.log"));
        prompter.setHost(&host, &hostLifetime);
        prompter.setPresenter(&presenter);
    }
    void TearDown() override {
        VolumePaths::setMountRoots(VolumePaths::defaultMountRoots());
        Log::useFile({});
    }
    // A mounted card whose root holds the given entries.
    CardVolume insert(const QString& name, const QStringList& entries = {"DCIM/"},
                      const std::optional<QString>& uuid = {}) {
        const QString path = dir(name);
        QDir().mkpath(path);
        for (const QString& e : entries)
            e.endsWith('/') ? void(QDir().mkpath(path + '/' + e))
                            : void(test::writeFile(path + '/' + e));
        volumes.add(test::FakeVolumes::card(path, name, uuid));
        const CardVolume card{path, name, uuid};
        host.cards.append(card);
        return card;
    }
    // Mounts and waits for the decision; none when no decision was reported.
    std::optional<bool> mounted(const CardVolume& card, bool force = false) {
        std::optional<bool> result;
        prompter.cardMounted(card, force, [&](bool prompted) { result = prompted; });
        test::spinUntil([&] { return result.has_value(); }, 5000);
        return result;
    }
    QString logText() const { return QString::fromUtf8(test::readFile(dir("log/stowly.log"))); }

    test::TempDir dir;
    test::FakeVolumes volumes;
    FakeHost host;
    QObject hostLifetime;
    FakePresenter presenter;
    ImportPrompter prompter{true, volumes};
};

} // namespace

TEST(ImportPromptPolicyTest, TheFirstMatchingRuleWins) {
    VolumePaths::setMountRoots({"/Volumes/"});
    auto verdict = [](VolumeTraits t, const QStringList& destinations = {},
                      const QSet<QString>& ignored = {}, bool camera = true) {
        return ImportPromptPolicy::verdict(t, "ID", destinations, ignored, camera);
    };
    EXPECT_EQ(verdict(externalCard()), Verdict::prompt());

    // Each case also matches every later rule, so only the order decides.
    VolumeTraits t = externalCard("/mnt/CARD");
    t.isLocal = false;
    t.isDiskImage = true;
    t.isBackup = true;
    EXPECT_EQ(verdict(t, {"/mnt/CARD/x"}, {"ID"}, false), Verdict::skipping(Reason::system));
    t.path = "/Volumes/CARD";
    t.isRootFileSystem = true;
    EXPECT_EQ(verdict(t), Verdict::skipping(Reason::system));
    t.isRootFileSystem = false;
    EXPECT_EQ(verdict(t, {"/Volumes/CARD"}, {"ID"}, false), Verdict::skipping(Reason::network));
    t.isLocal = true;
    EXPECT_EQ(verdict(t, {"/Volumes/CARD"}, {"ID"}, false), Verdict::skipping(Reason::diskImage));
    t.isDiskImage = false;
    t.isRemovable = false;
    t.isInternal = true;
    EXPECT_EQ(verdict(t, {"/Volumes/CARD"}), Verdict::skipping(Reason::notExternal));
    t.isInternal.reset(); // unknown does not count as internal…
    EXPECT_EQ(verdict(t, {"/Volumes/CARD"}), Verdict::skipping(Reason::backup));
    t.isEjectable = false; // …but neither removable nor ejectable is not external
    EXPECT_EQ(verdict(t), Verdict::skipping(Reason::notExternal));
    t.isEjectable = true;
    EXPECT_EQ(verdict(t, {"/Volumes/CARD"}), Verdict::skipping(Reason::backup));
    t.isBackup = false;
    EXPECT_EQ(verdict(t, {"/Users/me", "/Volumes/CARD/Footage"}, {"ID"}),
              Verdict::skipping(Reason::destination));
    EXPECT_EQ(verdict(t, {"/Volumes/CARD2/Footage"}, {"ID"}), Verdict::skipping(Reason::ignored));
    EXPECT_EQ(verdict(t, {}, {"OTHER"}, false), Verdict::skipping(Reason::notCameraMedia));
    EXPECT_EQ(Verdict::skipping(Reason::diskImage).text(), "skip(diskImage)");
    EXPECT_EQ(Verdict::prompt().text(), "prompt");
    VolumePaths::setMountRoots(VolumePaths::defaultMountRoots());
}

TEST_F(ImportPrompterTest, PromptsForACameraCardInTheChosenStyle) {
    const CardVolume card = insert("EOS_DIGITAL", {"DCIM/100CANON/"}, QString("UUID-1"));
    EXPECT_EQ(mounted(card), true);
    EXPECT_EQ(presenter.calls,
              QStringList({"notification " + card.url + " EOS_DIGITAL card connected"}));
    EXPECT_TRUE(logText().contains("Read " + card.url +
                                   ": removable true, ejectable true, internal false, local "
                                   "true, root false, disk image false, backup false, camera "
                                   "media true, verdict prompt"));

    host.style = ImportPromptStyle::panel;
    EXPECT_EQ(mounted(card, true), true);
    EXPECT_EQ(presenter.calls.last(), "panel " + card.url + " EOS_DIGITAL card connected");

    ImportPrompter quiet(false, volumes);
    quiet.setHost(&host);
    quiet.setPresenter(&presenter);
    host.style = ImportPromptStyle::notification;
    std::optional<bool> result;
    quiet.cardMounted(card, false, [&](bool p) { result = p; });
    ASSERT_TRUE(test::spinUntil([&] { return result.has_value(); }));
    EXPECT_EQ(presenter.calls.last(), "panel " + card.url + " EOS_DIGITAL card connected");
}

TEST_F(ImportPrompterTest, SkipsDrivesWithoutCameraMediaAndNamesThemDrives) {
    const CardVolume drive = insert("UNTITLED", {"notes.txt"});
    EXPECT_EQ(mounted(drive), false);
    EXPECT_TRUE(presenter.calls.isEmpty());
    EXPECT_EQ(prompter.title(drive), "UNTITLED drive connected");
    EXPECT_TRUE(logText().contains("No prompt for " + drive.url +
                                   ": verdict skip(notCameraMedia), paused false"));

    host.destination = drive.url + "/Footage";
    const CardVolume card = insert("CARD");
    host.favorites = {card.url + "/"};
    EXPECT_EQ(mounted(card), false);
    EXPECT_TRUE(logText().contains("verdict skip(destination)"));
}

TEST_F(ImportPrompterTest, StaysQuietWhenAskingIsOffPausedOrTheHostIsGone) {
    const CardVolume card = insert("CARD");
    bool called = false;
    host.ask = false;
    prompter.cardMounted(card, false, [&](bool) { called = true; });
    EXPECT_TRUE(logText().contains("No prompt for " + card.url + ": askToImport false, paused false"));

    host.ask = true;
    prompter.setPaused(true);
    prompter.cardMounted(card, false, [&](bool) { called = true; });
    EXPECT_TRUE(logText().contains("No prompt for " + card.url + ": askToImport true, paused true"));

    prompter.setPaused(false);
    {
        QObject lifetime;
        prompter.setHost(&host, &lifetime);
    }
    prompter.cardMounted(card, false, [&](bool) { called = true; });
    EXPECT_FALSE(called);
    EXPECT_TRUE(logText().contains("No prompt for " + card.url + ": askToImport false, paused false"));
    EXPECT_TRUE(presenter.calls.isEmpty());
}

TEST_F(ImportPrompterTest, PromptsOncePerCardWithinTwentySecondsUnlessForced) {
    const CardVolume card = insert("CARD", {"DCIM/"}, QString("U1"));
    EXPECT_EQ(mounted(card), true);
    EXPECT_EQ(mounted(card), false);
    EXPECT_TRUE(logText().contains("No prompt for " + card.url +
                                   ": asked about it moments ago (debounce)"));
    EXPECT_EQ(mounted(card, true), true);
    EXPECT_EQ(presenter.calls.size(), 2);
    // The rate limit is per card identity: another card prompts at once.
    EXPECT_EQ(mounted(insert("OTHER", {"DCIM/"}, QString("U2"))), true);
}

TEST_F(ImportPrompterTest, DropsThePromptWhenTheCardLeftWhileDeciding) {
    const CardVolume card = insert("CARD");
    host.cards.clear();
    EXPECT_EQ(mounted(card), false);
    EXPECT_TRUE(logText().contains("No prompt for " + card.url + ": it was removed meanwhile"));
}

TEST_F(ImportPrompterTest, QueuesDuringAnOffloadAndPresentsStillMountedCardsAfter) {
    const CardVolume a = insert("A", {"DCIM/"}, QString("UA"));
    const CardVolume b = insert("B", {"DCIM/"}, QString("UB"));
    host.busy = true;
    EXPECT_EQ(mounted(a), true);
    EXPECT_EQ(mounted(a, true), true); // mounted again: still queued once
    EXPECT_EQ(mounted(b), true);
    EXPECT_EQ(prompter.queued(), QList<CardVolume>({a, b}));
    EXPECT_TRUE(presenter.calls.isEmpty());
    EXPECT_TRUE(logText().contains("Queued the prompt for " + a.url +
                                   " until the offload or format finishes"));

    // B came back as another card (another UUID) at the same place.
    host.cards[1].uuid = "OTHER";
    host.busy = false;
    prompter.offloadEnded();
    EXPECT_TRUE(prompter.queued().isEmpty());
    EXPECT_EQ(presenter.calls, QStringList({"notification " + a.url + " A card connected"}));

    // An erase holds prompts back the same way; paused meanwhile drops them.
    host.formatting = true;
    EXPECT_EQ(mounted(a, true), true);
    prompter.setPaused(true);
    host.formatting = false;
    prompter.offloadEnded();
    EXPECT_TRUE(prompter.queued().isEmpty());
    EXPECT_EQ(presenter.calls.size(), 1);
}

TEST_F(ImportPrompterTest, ForgetsARemovedCard) {
    const CardVolume card = insert("CARD");
    host.busy = true;
    EXPECT_EQ(mounted(card), true);
    prompter.cardRemoved(card);
    EXPECT_TRUE(prompter.queued().isEmpty());
    EXPECT_EQ(presenter.calls, QStringList({"close " + card.url, "remove " + card.url}));
    EXPECT_EQ(prompter.title(card), "CARD connected"); // kind forgotten; the name says card

    ImportPrompter panelsOnly(false, volumes);
    panelsOnly.setPresenter(&presenter);
    panelsOnly.cardRemoved(card);
    EXPECT_EQ(presenter.calls.last(), "close " + card.url);
}

TEST_F(ImportPrompterTest, CarriesTheAnswerBack) {
    const CardVolume card = insert("CARD", {"DCIM/"}, QString("U1"));
    prompter.handle(card.url, ImportPrompter::Choice::importCard);
    EXPECT_EQ(host.shownForImport, QStringList({card.url}));
    prompter.handle(card.url, ImportPrompter::Choice::ignore);
    prompter.handle(card.url, ImportPrompter::Choice::dontAsk);
    prompter.handle(card.url, ImportPrompter::Choice::dontAsk);
    EXPECT_EQ(host.ignoreCalls, QStringList({"CARD"}));
    EXPECT_EQ(host.ignored, QSet<QString>({"U1"}));
    EXPECT_EQ(presenter.calls.count("close " + card.url), 4);

    // Answers for a card that is gone close the panel and do nothing else.
    prompter.handle(dir("GONE"), ImportPrompter::Choice::importCard);
    EXPECT_EQ(presenter.calls.last(), "close " + dir("GONE"));
    EXPECT_EQ(host.shownForImport.size(), 1);

    prompter.handleNotificationAction(card.url, ImportPrompter::defaultAction());
    prompter.handleNotificationAction(card.url, "import");
    prompter.handleNotificationAction(card.url, "ignore");
    prompter.handleNotificationAction(card.url, "dismissed");
    EXPECT_EQ(host.shownForImport.size(), 3);
}

TEST_F(ImportPrompterTest, OverridesPresentationWhenAsked) {
    QStringList overridden;
    prompter.presentOverride = [&](const CardVolume& c) { overridden.append(c.url); };
    const CardVolume card = insert("CARD");
    EXPECT_EQ(mounted(card), true);
    EXPECT_EQ(overridden, QStringList({card.url}));
    EXPECT_TRUE(presenter.calls.isEmpty());
}

TEST(ImportPromptTitleTest, NamesCardsAndDrives) {
    ImportPrompter prompter(false, VolumeFacts::platform());
    auto title = [&](const QString& name) { return prompter.title({"/Volumes/x", name, {}}); };
    EXPECT_EQ(title("EOS_DIGITAL"), "EOS_DIGITAL card connected");
    EXPECT_EQ(title("  Field SSD "), "Field SSD connected");
    EXPECT_EQ(title("My Card"), "My Card connected");
    EXPECT_EQ(title("DISK"), "DISK connected");
    EXPECT_EQ(title("Harddisk"), "Harddisk card connected");
    EXPECT_EQ(ImportPrompter::choiceTitle(ImportPrompter::Choice::dontAsk, true),
              "Don’t ask for this card");
    EXPECT_EQ(ImportPrompter::choiceTitle(ImportPrompter::Choice::dontAsk, false),
              "Don’t Ask for This Card");
}
