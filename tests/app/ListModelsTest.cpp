#include "app/lists/CamerasModel.h"
#include "app/lists/CardListModel.h"
#include "app/lists/FavoritesModel.h"
#include "app/lists/HistoryModel.h"
#include "app/lists/PresetsModel.h"
#include "app/lists/SessionFilesModel.h"
#include "app/stores/CameraStore.h"
#include "app/stores/DestinationStore.h"
#include "app/stores/PresetStore.h"
#include "devices/VolumePaths.h"
#include "devices/VolumeWatcher.h"
#include "history/History.h"
#include "session/OffloadSession.h"
#include "support/FakeVolumes.h"

#include "AppTestSupport.h"
#include "support/ScratchCard.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

using Scope = SessionFilesModel::ListScope;
using Status = SessionFilesModel::FileStatus;
constexpr auto fatal = QAbstractItemModelTester::FailureReportingMode::Fatal;

QStringList column(const QAbstractItemModel& model, int role) {
    QStringList values;
    for (int row = 0; row < model.rowCount(); ++row)
        values << model.index(row, 0).data(role).toString();
    return values;
}

QList<Status> statuses(const QAbstractItemModel& model) {
    QList<Status> values;
    for (int row = 0; row < model.rowCount(); ++row)
        values << Status(model.index(row, 0).data(SessionFilesModel::StatusRole).toInt());
    return values;
}

HistoryEntry copyNumber(int n) {
    return {QString("VOL|C%1.MP4|%1|nodate").arg(n),
            "CARD",
            QString("C%1.MP4").arg(n),
            QString("/dest/C%1.MP4").arg(n),
            n,
            QString(64, QChar(u'0' + n)),
            QDateTime::fromSecsSinceEpoch(1700000000 + n, Qt::UTC)};
}

} // namespace

// The store lists are laid out afresh on every change; what they work out is which row is marked.
TEST(ListModelsTest, StoreListsFollowTheirStoresAndMarkTheirRows) {
    CameraStore cameras(std::nullopt);
    PresetStore presets(std::nullopt);
    DestinationStore destinations(
        destinationOptions(std::nullopt, [](const QString& path) { return path == "/A"; }));
    CamerasModel cameraRows(cameras);
    PresetsModel presetRows(presets);
    FavoritesModel favoriteRows(destinations);
    QAbstractItemModelTester cameraCheck(&cameraRows, fatal), presetCheck(&presetRows, fatal),
        favoriteCheck(&favoriteRows, fatal);

    const Camera fx3 = cameras.add("FX3", "A");
    cameras.add("fx3", "B");
    cameras.remember(fx3.id, "CARD");
    EXPECT_EQ(column(cameraRows, CamerasModel::IsLastRole), QStringList({"true", "false"}));
    cameras.remove({fx3.id});
    EXPECT_EQ(column(cameraRows, Qt::DisplayRole), QStringList({"fx3 2"}));

    presets.add(OffloadPreset{.name = "Wedding"});
    presets.markActive(presets.add(OffloadPreset{}).id);
    EXPECT_EQ(column(presetRows, PresetsModel::IsActiveRole), QStringList({"false", "true"}));
    // A preset without a camera has none, not a null id.
    EXPECT_FALSE(presetRows.index(1).data(PresetsModel::CameraIdRole).isValid());

    const FavoriteDestination a = destinations.add("/A");
    destinations.add("/B", "Backup");
    destinations.markUsed(a.id);
    for (const int role : {int(FavoritesModel::IsDefaultRole), int(FavoritesModel::IsLastUsedRole),
                           int(FavoritesModel::IsReachableRole)})
        EXPECT_EQ(column(favoriteRows, role), QStringList({"true", "false"})) << role;
    destinations.remove({a.id});
    EXPECT_EQ(column(favoriteRows, Qt::DisplayRole), QStringList({"Backup"}));
}

TEST(ListModelsTest, CardRowsComeAndGoOneByOne) {
    VolumePaths::setMountRoots({"/Volumes/"});
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
    EXPECT_EQ(column(model, CardListModel::VolumeIdentityRole), QStringList({"UUID-A", "C"}));
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
}

TEST(ListModelsTest, SessionScopesHoldTheirFilesAndFollowChoices) {
    ScratchCard card;
    writeFile(card.root("A.MP4"), "long clip");
    writeFile(card.root("S.MP4"), "short");
    writeFile(card.root("O.JPG"), "photo");
    writeFile(card.root("M.JPG"), "lost photo");
    // Both photos were offloaded before; only O's copy is still there.
    for (const Clip& clip : card.scan().newFiles) {
        if (!clip.relativePath.endsWith(".JPG"))
            continue;
        const QString copy = card.destination(clip.relativePath);
        if (clip.relativePath == "O.JPG")
            writeFile(copy, "photo");
        card.ledger.add({clip.historyKey(card.volume.volumeIdentity()), "CARD", clip.relativePath,
                         copy, clip.size, QString(64, u'0'),
                         QDateTime::fromSecsSinceEpoch(1700000000, Qt::UTC)},
                        false);
    }
    OffloadSession session(card.volume, card.scan(), {{"A.MP4", 30}, {"S.MP4", 1}});
    session.setShortRule({true, 5});
    SessionFilesModel toCopy(Scope::toCopy), offloaded(Scope::offloaded),
        skipped(Scope::skippedShort);
    QAbstractItemModelTester check1(&toCopy, fatal), check2(&offloaded, fatal),
        check3(&skipped, fatal);
    for (SessionFilesModel* model : {&toCopy, &offloaded, &skipped})
        model->setSession(&session);

    EXPECT_EQ(column(toCopy, SessionFilesModel::RelativePathRole), QStringList({"A.MP4"}));
    EXPECT_EQ(statuses(toCopy), QList<Status>({Status::pending}));
    // No plan yet: no planned name.
    EXPECT_FALSE(toCopy.index(0).data(SessionFilesModel::PlannedNameRole).isValid());
    EXPECT_EQ(column(offloaded, Qt::DisplayRole), QStringList({"O.JPG", "M.JPG"}));
    EXPECT_EQ(statuses(offloaded), QList<Status>({Status::offloaded, Status::missing}));
    EXPECT_EQ(column(skipped, SessionFilesModel::RelativePathRole), QStringList({"S.MP4"}));
    EXPECT_EQ(statuses(skipped), QList<Status>({Status::skipped}));

    session.toggleReoffload(*offloaded.clip(1));
    session.toggleIncludeShort(*skipped.clip(0));
    EXPECT_EQ(column(toCopy, SessionFilesModel::RelativePathRole),
              QStringList({"A.MP4", "S.MP4", "M.JPG"}));
    EXPECT_EQ(column(toCopy, SessionFilesModel::IsReoffloadRole),
              QStringList({"false", "false", "true"}));
    EXPECT_EQ(column(toCopy, SessionFilesModel::IsIncludedShortRole),
              QStringList({"false", "true", "false"}));
    EXPECT_EQ(column(offloaded, SessionFilesModel::RelativePathRole), QStringList({"O.JPG"}));
    EXPECT_EQ(skipped.rowCount(), 0);

    toCopy.setSession(nullptr);
    EXPECT_EQ(toCopy.rowCount(), 0);
    {
        OffloadSession brief(card.volume, card.scan(), {});
        offloaded.setSession(&brief);
        EXPECT_EQ(offloaded.rowCount(), 2);
    }
    EXPECT_EQ(offloaded.rowCount(), 0);
    EXPECT_EQ(offloaded.session(), nullptr);
}

TEST(ListModelsTest, ARunChangesOnlyTheRowsItTouches) {
    ScratchCard card;
    writeFile(card.root("DCIM/C0001.MP4"), QByteArray(9 << 20, 'v'));
    writeFile(card.root("DCIM/C0002.MP4"), QByteArray(9 << 20, 'w'));
    writeFile(card.root("DCIM/DSC0003.JPG"), "jpeg");
    OffloadSession session(card.volume, card.scan(), {});
    SessionFilesModel model(Scope::toCopy);
    QAbstractItemModelTester check(&model, fatal);
    model.setSession(&session);
    ASSERT_EQ(model.rowCount(), 3);

    const QList<PlannedFile> plan = card.plan(session);
    session.start(plan, card.destination.path(), &card.ledger);
    for (const PlannedFile& file : plan) {
        const QModelIndex row = model.index(column(model, 0).indexOf(file.clip.fileName()));
        EXPECT_EQ(row.data(SessionFilesModel::PlannedNameRole), file.fileName);
        EXPECT_EQ(row.data(SessionFilesModel::PlannedPathRole), file.relativePath());
    }

    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
    int copyingReports = 0;
    QStringList wrong;
    // Connected after the model, so it sees the rows as the model left them.
    QObject::connect(&session, &OffloadSession::progressChanged, [&] {
        // Under way: the current file and those before it still being proved, which are the
        // ones after the last counted.
        const OffloadProgress& progress = session.progress();
        const QString current = progress.currentID;
        QStringList copying, expected;
        for (int row = 0; row < model.rowCount(); ++row) {
            const QString id = model.clip(row)->id();
            if (statuses(model)[row] == Status::copying)
                copying << id;
            qsizetype at = 0;
            while (at < plan.size() && plan[at].clip.id() != id)
                ++at;
            qsizetype currentAt = 0;
            while (currentAt < plan.size() && plan[currentAt].clip.id() != current)
                ++currentAt;
            if (!current.isEmpty() && at >= progress.filesDone && at <= currentAt &&
                !session.verifiedIDs().contains(id))
                expected << id;
        }
        copyingReports += !expected.isEmpty();
        if (copying != expected)
            wrong << current + ": " + copying.join(", ");
    });
    ASSERT_TRUE(spinUntil([&] { return session.phase() == OffloadSession::Phase::finished; }));

    EXPECT_TRUE(wrong.isEmpty()) << wrong.join("; ").toStdString();
    EXPECT_GT(copyingReports, 3);
    EXPECT_EQ(resets.count(), 0);
    // Each file changes twice (starts, is verified), each time alone.
    EXPECT_EQ(changes.count(), 6);
    for (const QList<QVariant>& change : changes)
        EXPECT_EQ(change[0].toModelIndex(), change[1].toModelIndex());
    EXPECT_EQ(statuses(model), QList<Status>(3, Status::verified));
}

TEST(ListModelsTest, HistoryGrowsByInsertionAndResetsWhenRewritten) {
    TempDir home;
    History ledger(home("ledger.json"));
    ledger.add(copyNumber(1), false);
    HistoryModel model(ledger);
    QAbstractItemModelTester check(&model, fatal);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

    ledger.add(copyNumber(2), false);
    ledger.add(copyNumber(3), true);
    EXPECT_EQ(column(model, HistoryModel::SourcePathRole),
              QStringList({"C3.MP4", "C2.MP4", "C1.MP4"}));
    EXPECT_EQ(inserted.count(), 2);
    EXPECT_EQ(resets.count(), 0);
    // The volume is read out of the entry's key.
    EXPECT_EQ(model.index(0).data(HistoryModel::VolumeRole), "VOL");
    EXPECT_EQ(model.entry(2), copyNumber(1));

    // Another process wrote the history file meanwhile: the next save starts from its file, so
    // the rows are laid out afresh rather than grown.
    History(home("ledger.json")).add(copyNumber(4), false);
    ledger.add(copyNumber(5), false);
    EXPECT_EQ(column(model, HistoryModel::SourcePathRole),
              QStringList({"C5.MP4", "C4.MP4", "C3.MP4", "C2.MP4", "C1.MP4"}));
    EXPECT_EQ(resets.count(), 1);
    ledger.forget(copyNumber(4));
    EXPECT_EQ(resets.count(), 2);
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.entry(1), copyNumber(3));
}
