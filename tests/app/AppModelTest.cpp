#include "support/AppModelWorld.h"

#include "app/lists/CardListModel.h"
#include "app/lists/HistoryModel.h"
#include "app/lists/SessionFilesModel.h"
#include "app/model/CardDesk.h"
#include "app/model/CardDevices.h"
#include "app/prompts/ImportPrompter.h"
#include "session/CascadeQueue.h"
#include "support/ScratchMount.h"

#include <QSignalSpy>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

const QByteArray big(9 << 20, 'v');

QHash<QString, QByteArray> cameraCard() {
    return {{"DCIM/100MSDCF/C0001.MP4", big},
            {"DCIM/100MSDCF/C0001.XML", "<xml/>"},
            {"DCIM/100MSDCF/C0002.MP4", "short"},
            {"DCIM/100MSDCF/DSC0003.JPG", "jpeg"}};
}

std::optional<QString> blocker(const AppModel& m) {
    if (const auto& found = m.offloadBlocker())
        return found->text;
    return std::nullopt;
}

} // namespace

TEST(AppModelTest, TheWholeRoadOfACard) {
    World w;
    w.durations->seconds = {{"C0001.MP4", 30.0}, {"C0002.MP4", 2.0}};
    const CardVolume card = w.insertCard("EOS_DIGITAL", cameraCard(), QStringLiteral("1234-ABCD"));
    ASSERT_TRUE(w.waitForSession());
    AppModel& m = *w.model;
    EXPECT_EQ(m.selectedCardID(), card.url);
    EXPECT_EQ(m.stage(2), StageState::active);
    EXPECT_EQ(relativePaths(m.session()->newClips()),
              QStringList({"DCIM/100MSDCF/C0001.MP4", "DCIM/100MSDCF/C0001.XML",
                           "DCIM/100MSDCF/DSC0003.JPG"}));
    EXPECT_EQ(blocker(m), "Enter a project name");
    m.session()->setProjectInput("coastline shoot");
    EXPECT_FALSE(m.offloadBlocker());
    EXPECT_EQ(m.stage(2), StageState::done);
    EXPECT_EQ(m.filesToCopy().rowCount(), 3);

    m.settings().setValue(setting::ejectAfterOffload, true);
    // A run tells its progress on its own; the selection and the card list stay quiet.
    QSignalSpy progressed(&m, &AppModel::offloadProgressed);
    QSignalSpy selection(&m, &AppModel::selectionChanged);
    QSignalSpy cards(&m, &AppModel::cardsChanged);
    QList<OffloadProgress> reports;
    QObject::connect(m.session(), &OffloadSession::progressChanged,
                     [&] { reports.append(m.session()->progress()); });
    m.startOffload();
    ASSERT_TRUE(w.waitForOffload());
    ASSERT_TRUE(m.session()->summary());
    EXPECT_EQ(m.session()->summary()->copied, 3);
    EXPECT_EQ(m.settings().value(setting::lastProject), "coastline shoot");
    EXPECT_FALSE(reports.isEmpty());
    EXPECT_EQ(progressed.size(), reports.size());
    EXPECT_TRUE(selection.isEmpty());
    EXPECT_TRUE(cards.size() <= 1) << "only the eject may change the card list";
    EXPECT_EQ(m.historyList().rowCount(), 3);
    for (const QString& path : m.session()->copiedPaths())
        EXPECT_TRUE(path.contains("/CoastlineShoot/")) << path.toStdString();
    // The completion refreshes the inventory and ejects the card.
    ASSERT_TRUE(
        spinUntil([&] { return m.cardInventory() && m.cardInventory()->offloaded.size() == 3; }));
    ASSERT_TRUE(
        spinUntil([&] { return !m.devices().isEjecting() && w.disk->ejected.size() == 1; }));
    EXPECT_EQ(w.disk->ejected.first(), card.url);

    // Dismissing the result rescans: only the short clip is left.
    m.settings().setValue(setting::ejectAfterOffload, false);
    m.finishSession();
    ASSERT_TRUE(w.waitForSession());
    EXPECT_TRUE(m.session()->newClips().isEmpty());
    EXPECT_EQ(blocker(m), "Only a short clip is left — choose Include Anyway to offload it");
    ASSERT_TRUE(m.formatReadiness());
    EXPECT_EQ(m.formatReadiness()->pendingText(), "1 short clip not offloaded");
    EXPECT_TRUE(m.canFormatSelectedCard());

    // The erase: the card goes away during it, comes back at its mount point and is selected.
    // Its new file system shows up meanwhile; the erase mounts it, nothing else may.
    m.settings().setValue(setting::mountCardsWhenInserted, true);
    const auto remount = w.disk->remount;
    w.disk->remount = [&](const QString& oldPath, const QString& newPath) {
        Q_EMIT w.events->cardFileSystemAppeared("/dev/sdx1", "EOS_DIGITAL");
        remount(oldPath, newPath);
    };
    QSignalSpy formatted(&m, &AppModel::formatEnded);
    m.formatSelectedCard();
    EXPECT_EQ(m.formatState().kind, AppModel::FormatState::Kind::formatting);
    ASSERT_TRUE(spinUntil([&] { return formatted.count() == 1; }));
    EXPECT_EQ(m.formatState(),
              (AppModel::FormatState{AppModel::FormatState::Kind::formatted, "EOS_DIGITAL"}));
    EXPECT_EQ(w.disk->erased, QStringList({card.url}));
    EXPECT_TRUE(w.disk->mounted.isEmpty());
    EXPECT_EQ(m.pendingFormattedMount(), w.remountedAt);
    w.events->mount(w.remountedAt);
    ASSERT_TRUE(w.waitForSession());
    EXPECT_EQ(m.selectedCard()->uuid, "NEW-UUID");
    EXPECT_EQ(m.formatState().kind, AppModel::FormatState::Kind::formatted);
    EXPECT_EQ(blocker(m), "This card is empty");
}

TEST(AppModelTest, TheEraseIsRefusedWhenTheCardChangedMeanwhile) {
    World w;
    const CardVolume card = w.insertCard("CARD", {{"DCIM/A.JPG", "a"}});
    ASSERT_TRUE(w.waitForSession());
    AppModel& m = *w.model;
    m.session()->setProjectInput("P");
    m.startOffload();
    ASSERT_TRUE(w.waitForOffload());
    m.finishSession();
    ASSERT_TRUE(w.waitForSession());
    ASSERT_TRUE(m.canFormatSelectedCard());
    // A new file arrives after the check the button was drawn from.
    writeFile(card.url + "/DCIM/B.JPG", "b");
    QSignalSpy ended(&m, &AppModel::formatEnded);
    m.formatSelectedCard();
    ASSERT_TRUE(spinUntil([&] { return ended.count() == 1; }));
    EXPECT_EQ(m.formatState().kind, AppModel::FormatState::Kind::failed);
    EXPECT_TRUE(m.formatState().text.startsWith("Something on CARD changed"));
    EXPECT_TRUE(w.disk->erased.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(card.url + "/DCIM/A.JPG"));
}

TEST(AppModelTest, ASecondCardDuringAnOffloadWaitsForItsPrompt) {
    World w;
    AppModel& m = *w.model;
    QList<QString> prompted;
    m.importPrompter().presentOverride = [&](const CardVolume& c) { prompted.append(c.url); };
    const CardVolume first = w.insertCard("A", {{"DCIM/C1.MP4", QByteArray(20 << 20, 'x')}});
    ASSERT_TRUE(w.waitForSession());
    m.session()->setProjectInput("P");
    std::optional<CardVolume> second;
    QObject::connect(m.session(), &OffloadSession::progressChanged, [&] {
        if (!second)
            second = w.insertCard("B", {{"DCIM/X.JPG", "x"}});
    });
    m.startOffload();
    const auto queuedSecond = [&] {
        return second &&
               std::any_of(m.importPrompter().queued().cbegin(), m.importPrompter().queued().cend(),
                           [&](const CardVolume& c) { return c.url == second->url; });
    };
    ASSERT_TRUE(spinUntil(queuedSecond));
    EXPECT_FALSE(prompted.contains(second->url));
    EXPECT_EQ(m.selectedCardID(), first.url);
    EXPECT_EQ(m.cards().size(), 2);
    ASSERT_TRUE(w.waitForOffload());
    EXPECT_EQ(prompted.count(second->url), 1);
    EXPECT_EQ(m.selectedCardID(), first.url);
}

TEST(AppModelTest, AScanResultForAnEarlierSelectionIsDropped) {
    World w(false);
    const CardVolume a = w.insertCard("A", {{"DCIM/A.JPG", "a"}}, {}, false);
    const CardVolume b = w.insertCard("B", {{"DCIM/B.JPG", "b"}, {"DCIM/C.JPG", "c"}}, {}, false);
    w.model->startWatchingCards();
    ASSERT_TRUE(w.waitForSession());
    EXPECT_EQ(w.model->selectedCardID(), b.url);
    EXPECT_EQ(w.model->session()->card(), b);
    // Nothing arrives later to replace it.
    spinUntil([] { return false; }, 200);
    EXPECT_EQ(w.model->session()->card(), b);
    EXPECT_EQ(w.model->cardInventory()->newFiles.size(), 2);
}

TEST(AppModelTest, ACardRemovedDuringTheOffloadKeepsTheResultUntilDismissed) {
    World w;
    const CardVolume card = w.insertCard("A", {{"DCIM/C1.MP4", QByteArray(20 << 20, 'x')}});
    const CardVolume other = w.insertCard("B", {{"DCIM/X.JPG", "x"}});
    ASSERT_TRUE(w.waitForSession());
    AppModel& m = *w.model;
    m.select(card, false);
    ASSERT_TRUE(w.waitForSession());
    m.session()->setProjectInput("P");
    bool removed = false;
    QObject::connect(m.session(), &OffloadSession::progressChanged, [&] {
        if (!removed) {
            removed = true;
            w.removeCard(card);
        }
    });
    m.startOffload();
    ASSERT_TRUE(w.waitForOffload());
    EXPECT_TRUE(m.session()->cardRemoved());
    EXPECT_EQ(m.selectedCardID(), card.url);
    m.finishSession();
    // Cleared, then the remaining card is selected.
    ASSERT_TRUE(w.waitForSession());
    EXPECT_EQ(m.selectedCardID(), other.url);
}

// The copies are safer made than not; a history that cannot keep them leaves the card not ready
// to erase, and nothing tells of success.
TEST(AppModelTest, CopiesTheHistoryCannotKeepNeverCountTowardTheErase) {
    TempDir history;
    QDir().mkpath(history("Stowly"));
    World w(true, std::make_unique<History>(history("Stowly/ledger.json")));
    const CardVolume card = w.insertCard("CARD", {{"DCIM/A.JPG", "a"}, {"DCIM/B.JPG", "bb"}});
    ASSERT_TRUE(w.waitForSession());
    AppModel& m = *w.model;
    m.session()->setProjectInput("P");
    m.settings().setValue(setting::ejectAfterOffload, true);
    ReadOnlyFolder readOnly(history("Stowly"));
    if (!readOnly.isActive())
        GTEST_SKIP() << "cannot make a folder read-only here";
    m.startOffload();
    ASSERT_TRUE(w.waitForOffload());

    const OffloadSummary summary = *m.session()->summary();
    EXPECT_EQ(summary.copied, 2);
    EXPECT_TRUE(summary.historyNotSaved);
    QSet<QByteArray> copied;
    for (const QString& path : m.session()->copiedPaths())
        copied.insert(readFile(path));
    EXPECT_EQ(copied, QSet<QByteArray>({"a", "bb"}));
    EXPECT_EQ(m.history().entries().size(), 0);
    m.finishSession();
    ASSERT_TRUE(w.waitForSession());
    EXPECT_EQ(m.formatReadiness()->notOffloaded, 2);
    EXPECT_FALSE(m.canFormatSelectedCard());
    EXPECT_TRUE(w.disk->ejected.isEmpty());
}

TEST(AppModelTest, TheBlockerNamesTheFirstThingMissing) {
    World w;
    AppModel& m = *w.model;
    EXPECT_EQ(blocker(m), "Insert a card to begin");
    w.insertCard("CARD", {{"A.JPG", "a"}});
    ASSERT_TRUE(w.waitForSession());
    m.session()->setProjectInput("P");
    m.settings().setValue(setting::fileTemplate, "{date");
    EXPECT_EQ(blocker(m), "Fix the naming template in Settings");
    m.settings().setValue(setting::fileTemplate, "{date}_{camera}_{seq}");
    EXPECT_EQ(blocker(m), "Choose a camera");
    m.selectCamera(m.cameras().add("A7S III", "").id);
    EXPECT_EQ(w.model->selectedCameraToken(), "A7SIII");
    EXPECT_FALSE(m.offloadBlocker());
    // A plain file is no folder to copy into.
    writeFile(w.home("plain-file"), "x");
    m.settings().setValue(setting::destinationPath, w.home("plain-file"));
    EXPECT_EQ(blocker(m), "The destination folder isn’t connected — choose another");
    m.settings().setValue(setting::destinationPath, std::nullopt);
    EXPECT_EQ(blocker(m), "Choose a destination folder");
    EXPECT_EQ(m.stage(3), StageState::active);

    ReadOnlyFolder readOnly(w.destination.path());
    m.settings().setValue(setting::destinationPath, w.destination.path());
    if (readOnly.isActive()) {
        EXPECT_TRUE(blocker(m)->startsWith("This drive is read-only"));
    }
}

TEST(AppModelTest, OnlyIgnorePatternChangesRescanAndReoffloadingEverythingWaitsForAConfirmation) {
    World w;
    w.insertCard("CARD", {{"A.JPG", "a"}, {"A.TMP", "t"}, {"A.LRV", "p"}});
    ASSERT_TRUE(w.waitForSession());
    AppModel& m = *w.model;
    const QUuid before = m.session()->id();
    FileRules rules = m.settings().value(setting::fileRules);
    rules.proxyExtensions.append("tmp");
    m.settings().setValue(setting::fileRules, rules);
    EXPECT_EQ(m.session()->id(), before);
    EXPECT_EQ(m.session()->fileRules(), rules);

    rules.ignorePatterns.append("*.tmp");
    m.settings().setValue(setting::fileRules, rules);
    EXPECT_TRUE(m.isScanning());
    ASSERT_TRUE(w.waitForSession());
    EXPECT_NE(m.session()->id(), before);
    EXPECT_EQ(m.cardInventory()->ignored, QStringList({"A.TMP"}));

    // Everything needs a confirmation; without a front end that can ask, nothing changes.
    w.model->setReoffloadMode(ReoffloadMode::everything);
    EXPECT_EQ(w.model->session()->reoffloadMode(), ReoffloadMode::off);
}

TEST(AppModelTest, ACardInsertedUnmountedIsMountedWhenTheSettingsSaySo) {
    World w;
    AppModel& m = *w.model;
    QSignalSpy ended(&m.devices(), &CardDevices::mountEnded);
    m.settings().setValue(setting::mountCardsWhenInserted, false);
    Q_EMIT w.events->cardFileSystemAppeared("/dev/sdb1", "LEFT");
    m.settings().setValue(setting::mountCardsWhenInserted, true);
    Q_EMIT w.events->cardFileSystemAppeared("/dev/sdc1", "TAKEN");
    ASSERT_TRUE(spinUntil([&] { return ended.count() == 1; }));
    EXPECT_EQ(ended.first().at(0).toString(), "/dev/sdc1");
    EXPECT_EQ(w.disk->mounted, QStringList({"/dev/sdc1"}));
}

TEST(AppModelTest, ForgettingACardCountsItsFilesAndSaysWhenTheyHaveMoreCopies) {
    AnsweringFrontEnd frontEnd;
    World w;
    AppModel& m = *w.model;
    m.setFrontEnd(&frontEnd);
    w.insertCard("CARD", {{"DCIM/A.JPG", "a"}, {"DCIM/B.JPG", "b"}});
    for (const ReoffloadMode mode : {ReoffloadMode::off, ReoffloadMode::everything}) {
        ASSERT_TRUE(w.waitForSession());
        m.setProject("P");
        m.setReoffloadMode(mode, true);
        m.startOffload();
        ASSERT_TRUE(w.waitForOffload());
        m.finishSession();
    }
    ASSERT_TRUE(w.waitForSession());
    ASSERT_EQ(m.history().entries().size(), 4);

    m.confirmForgetSelectedCardHistory();
    ASSERT_EQ(frontEnd.asked.size(), 1);
    EXPECT_TRUE(frontEnd.asked[0].message.startsWith(
        "Stowly will forget the 2 files it offloaded from this card (4 copies), so they"))
        << frontEnd.asked[0].message.toStdString();
    EXPECT_EQ(m.history().entries().size(), 0);
    m.setFrontEnd(nullptr);
}

TEST(AppModelTest, ACardThatCannotBeReadIsNeverEmptyOffloadedOrErased) {
    World w;
    TempDir images;
    QString why;
    const auto scratch = ScratchMount::exfatImage(images.path(), 16 << 20, &why);
    const QString path = w.root("media/PULLED");
    if (!scratch || !scratch->mount(path, ScratchMount::Driver::fuse, &why))
        GTEST_SKIP() << "Skipped: " << why.toStdString();
    writeFile(path + "/DCIM/A.JPG", "a");
    w.volumes.add(FakeVolumes::card(path, "PULLED", QStringLiteral("AAAA-0001")));
    w.events->mount(path);
    AppModel& m = *w.model;
    ASSERT_TRUE(w.waitForSession());
    m.setProject("P");
    m.startOffload();
    ASSERT_TRUE(w.waitForOffload());
    m.finishSession();
    ASSERT_TRUE(w.waitForSession());
    ASSERT_TRUE(m.canFormatSelectedCard());

    // Pulled out after the button was drawn: the look just before the erase cannot read it.
    ASSERT_TRUE(scratch->pull(&why)) << why.toStdString();
    const QString unread = "Stowly couldn’t read this card (Transport endpoint is not connected).";
    QSignalSpy ended(&m, &AppModel::formatEnded);
    m.formatSelectedCard();
    ASSERT_TRUE(spinUntil([&] { return ended.count() == 1; }));
    EXPECT_EQ(m.formatState(), (AppModel::FormatState{AppModel::FormatState::Kind::failed,
                                                      "“PULLED” wasn’t formatted. " + unread}));
    EXPECT_TRUE(w.disk->erased.isEmpty());

    // Looked at again it is neither empty nor offloaded, and the erase is not offered.
    m.select(*m.selectedCard(), false);
    ASSERT_TRUE(w.waitForSession());
    ASSERT_TRUE(m.offloadBlocker());
    EXPECT_EQ(m.offloadBlocker()->reason, OffloadBlocker::Reason::unreadableCard);
    EXPECT_EQ(m.offloadBlocker()->text, unread);
    EXPECT_EQ(m.formatReadiness()->pendingText(), unread);
    EXPECT_FALSE(m.formatReadiness()->allVerified());
    EXPECT_EQ(m.stage(2), StageState::active);
    EXPECT_FALSE(m.canFormatSelectedCard());
    m.formatSelectedCard();
    EXPECT_FALSE(m.isFormatting());
}

// A backup made from the first copies: the card may be ejected as soon as those are proved, and
// is ready to erase only once the backup is made too.
TEST(AppModelTest, ACardWhoseBackupCascadesMayGoBeforeItMayBeErased) {
    World w;
    const QString shuttle = w.home("Shuttle");
    QDir().mkpath(shuttle);
    const QByteArray clip(48 << 20, 'c');
    const CardVolume card =
        w.insertCard("A7SIII", {{"DCIM/C0001.MP4", clip}, {"DCIM/C0002.MP4", clip + 'x'}});
    ASSERT_TRUE(w.waitForSession());
    AppModel& m = *w.model;
    m.settings().setValue(setting::backupDestinations, {shuttle});
    m.settings().setValue(setting::cascadeDestinations, {shuttle});
    m.session()->setProjectInput("P");

    // Whatever the moment, the card is never ready to erase while its backup is being made.
    bool erasableTooSoon = false;
    bool seenSafeToRemove = false;
    const auto look = [&] {
        const bool pending = m.cascadeQueue().pendingFiles(card.volumeIdentity()) > 0;
        erasableTooSoon |= pending && m.canFormatSelectedCard();
        const CardDesk* desk = m.selectedDesk();
        if (!pending || !desk || !desk->isFinished() || seenSafeToRemove)
            return;
        seenSafeToRemove = true;
        EXPECT_EQ(m.safeToRemoveText(*desk),
                  "“A7SIII” can be taken out — 1 backup is still being made");
        EXPECT_THAT(m.cardDetail(card).toStdString(),
                    testing::EndsWith("can be taken out"));
        m.ejectCard(card);
        // Pulled: the backup is made from the first copies alone.
        EXPECT_TRUE(QDir().rename(card.url, card.url + "-pulled"));
    };
    for (auto signal :
         {&AppModel::cascadeChanged, &AppModel::inventoryChanged, &AppModel::sessionChanged})
        QObject::connect(&m, signal, look);
    QObject::connect(&m, &AppModel::offloadFinished, look);
    m.startOffload();
    ASSERT_TRUE(w.waitForOffload());
    ASSERT_TRUE(spinUntil([&] { return m.cascadeQueue().isIdle(); }));
    ASSERT_TRUE(spinUntil([&] { return m.canFormatSelectedCard(); }));
    EXPECT_TRUE(seenSafeToRemove);
    EXPECT_FALSE(erasableTooSoon);
    EXPECT_EQ(w.disk->ejected, QStringList{card.url});
    EXPECT_FALSE(m.safeToRemoveText(*m.selectedDesk()));
    EXPECT_THAT(m.cardDetail(card).toStdString(), testing::EndsWith("ready to erase"));
    EXPECT_EQ(m.historyList().rowCount(), 4);
}
