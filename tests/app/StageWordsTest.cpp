#include "app/lists/SessionFilesModel.h"
#include "app/model/NamePreview.h"
#include "app/wording/ClipsStageContent.h"
#include "app/wording/FormatAlert.h"
#include "app/wording/MediaTileInfo.h"
#include "session/OffloadSession.h"

#include "support/AppModelWorld.h"
#include "support/Printing.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace stowly {
namespace {

using Status = SessionFilesModel::FileStatus;

// Noon today in the tests' time zone, which main() sets after static values are made.
QDateTime today() {
    return QDateTime(QDate::currentDate(), QTime(12, 0));
}
const QDateTime longAgo(QDate(2020, 3, 1), QTime(12, 0));

Clip clip(const QString& path, const QDateTime& created = today()) {
    return Clip{"/media/CARD/" + path.toUtf8(), path, 1000, created, created};
}

CardVolume card() {
    return CardVolume{"/media/CARD", "CARD", QStringLiteral("1234-ABCD")};
}

FormatReadiness readiness(int files, int skippedFiles, int skippedClips, int ignored,
                          std::optional<QString> folder = {}) {
    FormatReadiness r;
    r.fileCount = files;
    r.totalBytes = 1'500'000'000;
    r.shortSkippedFiles = skippedFiles;
    r.shortSkippedClips = skippedClips;
    r.ignoredItems = ignored;
    r.copiesFolder = std::move(folder);
    return r;
}

TEST(FormatAlertTest, TheConfirmationSaysWhatIsSafeAndWhatIsLost) {
    const QString tail = ".\n\nFormatting erases everything on “A7S”. This can’t be undone.\n\n"
                         "Tip: formatting in your camera is usually best, because it sets the "
                         "card up exactly the way the camera expects.";
    const struct {
        FormatReadiness readiness;
        QString message;
    } cases[] = {
        {readiness(1, 0, 0, 0, "/home/ana/Footage/Day 1"),
         "The 1 file (1.5 GB) on this card were copied and verified to ~/Footage/Day 1"},
        // Only the home folder itself is abbreviated, not a folder that starts like it.
        {readiness(4, 0, 0, 1, "/home/anabel/Footage"),
         "All 4 files (1.5 GB) on this card were copied and verified to /home/anabel/Footage"
         ".\n\n1 ignored item (system files and your ignore list) weren’t copied and will be "
         "erased too"},
        // A short clip with its sidecar: two files skipped, one clip lost.
        {readiness(3, 2, 1, 0),
         "The 1 other file (1.5 GB) on this card were copied and verified.\n\n1 short clip "
         "(skipped by “Skip videos shorter than”) has no copy and will be lost"},
        {readiness(9, 2, 2, 3, "/home/ana"),
         "The other 7 files (1.5 GB) on this card were copied and verified to ~.\n\n2 short "
         "clips (skipped by “Skip videos shorter than”) have no copy and will be lost.\n\n3 "
         "ignored items (system files and your ignore list) weren’t copied and will be erased "
         "too"},
    };
    for (const auto& c : cases) {
        const Confirmation alert = FormatAlert::text("A7S", c.readiness, "/home/ana");
        EXPECT_EQ(alert.message, c.message + tail);
        EXPECT_EQ(alert.title, "Format “A7S”?");
        EXPECT_EQ(alert.confirmButton, FormatAlert::formatTitle(c.readiness));
    }
}

TEST(FormatAlertTest, TheButtonNamesWhatItDiscardsAndWhyItWaits) {
    using FormatAlert::formatTitle;
    using FormatAlert::helpText;
    EXPECT_EQ(formatTitle(std::nullopt), "Format");
    // Ignored items are erased without a word on the button; short clips are named.
    EXPECT_EQ(formatTitle(readiness(5, 0, 0, 2)), "Format");
    EXPECT_EQ(formatTitle(readiness(5, 4, 3, 0)), "Format and Discard 3 Short Clips");

    EXPECT_EQ(helpText(true, readiness(5, 2, 1, 0)),
              "Erase this card. The skipped short clips weren’t offloaded and will be lost");
    EXPECT_EQ(helpText(true, readiness(5, 0, 0, 0)),
              "Erase this card so it’s ready for new footage");
    EXPECT_EQ(helpText(false, std::nullopt),
              "Available once every file on the card has a verified copy");
    EXPECT_EQ(FormatAlert::stateText({AppModel::FormatState::Kind::failed, "The card is busy."}),
              "The card is busy.");
    EXPECT_FALSE(FormatAlert::stateText({}));
}

TEST(ClipsStageContentTest, TheFirstReasonThatHoldsExplainsAnEmptyList) {
    using ClipsStageContent::Action;
    CardInventory inventory;
    inventory.newFiles = {clip("OLD.JPG", longAgo), clip("S.MP4"), clip("S2.MP4")};
    OffloadSession session(card(), inventory, {{"S.MP4", 1.5}, {"S2.MP4", 2}});
    session.setShortRule({true, 5});
    session.setDateFilter({DateFilter::Mode::today, today(), today()});

    // The dates leave one file out and the rule the others: the dates come first.
    auto empty = ClipsStageContent::nothingToCopy(session);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->title, "Nothing in These Dates");
    EXPECT_EQ(empty->message, "The only new file is from another day.");
    EXPECT_EQ(empty->button, (ClipsStageContent::Button{"Show Any Date", Action::showAnyDate}));

    session.setDateFilter(DateFilter::any());
    empty = ClipsStageContent::nothingToCopy(session);
    EXPECT_FALSE(empty) << empty->title.toStdString();
    session.setIncludedCategories({MediaCategory::video});
    empty = ClipsStageContent::nothingToCopy(session);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->message, "The 2 new videos are all shorter than 5 seconds.");
    EXPECT_EQ(empty->button->action, Action::includeAllShortClips);
    session.setIncludeAllShort(true);
    EXPECT_FALSE(ClipsStageContent::nothingToCopy(session));

    // Missing copies win over short clips and over being caught up.
    inventory.newFiles = {clip("S.MP4")};
    inventory.missing = {clip("M1.JPG"), clip("M2.JPG")};
    OffloadSession missing(card(), inventory, {{"S.MP4", 1}});
    missing.setShortRule({true, 5});
    empty = ClipsStageContent::nothingToCopy(missing);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->title, "Copies Missing");
    EXPECT_EQ(empty->message, "2 files were offloaded before, but their copies are no longer at "
                              "the destination.");
    EXPECT_EQ(empty->button->action, Action::reoffloadMissingCopies);

    inventory.newFiles = {clip("VOICE.WAV")};
    inventory.missing.clear();
    inventory.offloaded = {clip("O.JPG")};
    OffloadSession caughtUp(card(), inventory, {});
    caughtUp.setIncludedCategories({MediaCategory::photo});
    empty = ClipsStageContent::nothingToCopy(caughtUp);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->title, "All Caught Up");
    EXPECT_EQ(empty->message, "The new files on this card are types you turned off in Settings.");
    EXPECT_FALSE(empty->button);

    // A card not read through is never caught up, and never empty, whatever the lists hold.
    for (const bool anythingRead : {true, false}) {
        inventory.offloaded = anythingRead ? QList<Clip>{clip("O.JPG")} : QList<Clip>{};
        inventory.unreadable = ScanFailure{"DCIM/101", "Input/output error"};
        OffloadSession unread(card(), inventory, {});
        unread.setIncludedCategories({MediaCategory::photo});
        empty = ClipsStageContent::nothingToCopy(unread);
        ASSERT_TRUE(empty);
        EXPECT_EQ(empty->title, "This Card Couldn’t Be Read");
        EXPECT_TRUE(empty->message.startsWith(
            "Stowly couldn’t read “DCIM/101” on this card (Input/output error). Whatever it "
            "couldn’t read isn’t offloaded"));
        EXPECT_FALSE(empty->button);
    }
}

TEST(MediaTileInfoTest, SpokenDescriptionTellsOriginLengthCompanionsAndState) {
    const auto tile = [](const QString& path, const QString& name) {
        MediaTileInfo info;
        info.clip = clip(path);
        info.name = name;
        return info;
    };
    MediaTileInfo renamed = tile("DCIM/C0001.MP4", "2024-05-01_Harbour_0001.mp4");
    renamed.duration = 42.9;
    renamed.sidecars = 1;
    renamed.status = Status::verified;
    renamed.isReoffload = true;
    EXPECT_EQ(renamed.accessibilityText(),
              "Video, 2024-05-01_Harbour_0001.mp4, from C0001.MP4, 0:42 long, with 1 sidecar, "
              "copied and verified, will be re-offloaded");
    EXPECT_EQ(renamed.detailLine(), "from C0001.MP4 · 0:42 · 1 sidecar");

    // A name that still holds a placeholder is not worth comparing with the file's own.
    MediaTileInfo placeholder = tile("C0002.MP4", "Project_0002.mp4");
    placeholder.isPlaceholderName = true;
    placeholder.duration = 3;
    placeholder.sidecars = 2;
    placeholder.status = Status::copying;
    placeholder.isIncludedShort = true;
    EXPECT_EQ(placeholder.accessibilityText(),
              "Video, Project_0002.mp4, 0:03 long, with 2 sidecars, copying now, short clip "
              "included anyway");

    // Every kind and every other state once; a file with nothing more to say has no detail.
    const std::tuple<QString, Status, QString> plain[] = {
        {"DSC1.JPG", Status::pending, "Photo, DSC1.JPG"},
        {"A.WAV", Status::offloaded, "Audio, A.WAV, already offloaded"},
        {"notes.txt", Status::missing, "Other, notes.txt, copy missing at the destination"},
        {"DSC2.JPG", Status::skipped, "Photo, DSC2.JPG, short clip, skipped"},
    };
    for (const auto& [name, status, said] : plain) {
        MediaTileInfo info = tile(name, name);
        info.status = status;
        EXPECT_EQ(info.accessibilityText(), said);
        EXPECT_TRUE(info.detailLine().isEmpty());
    }
    EXPECT_EQ(MediaTileInfo::sidecarsHelp(1), "Has 1 sidecar file, copied with it");
    EXPECT_EQ(MediaTileInfo::sidecarsHelp(3), "3 sidecar files, copied with it");
}

TEST(MediaTileInfoTest, TheFileListsCarryWhatATileShows) {
    CardInventory inventory;
    inventory.newFiles = {clip("DCIM/C0001.MP4"), clip("DCIM/C0001.XML"), clip("DCIM/DSC2.JPG")};
    OffloadSession session(card(), inventory, {{"DCIM/C0001.MP4", 42}});
    SessionFilesModel toCopy(SessionFilesModel::ListScope::toCopy);
    SessionFilesModel skipped(SessionFilesModel::ListScope::skippedShort);
    constexpr auto fatal = QAbstractItemModelTester::FailureReportingMode::Fatal;
    QAbstractItemModelTester check1(&toCopy, fatal), check2(&skipped, fatal);
    toCopy.setSession(&session);
    skipped.setSession(&session);

    const QModelIndex first = toCopy.index(0);
    EXPECT_EQ(first.data(SessionFilesModel::SidecarCountRole), 1);
    EXPECT_EQ(first.data(SessionFilesModel::DetailRole), "0:42 · 1 sidecar");
    EXPECT_EQ(first.data(Qt::ToolTipRole), "DCIM/C0001.MP4");
    EXPECT_EQ(first.data(Qt::AccessibleTextRole), "Video, C0001.MP4, 0:42 long, with 1 sidecar");

    // A preview made with a stand-in project renames the rows without resetting the list.
    QSignalSpy resets(&toCopy, &QAbstractItemModel::modelReset);
    PlannedFile planned{inventory.newFiles[0], "2024-05-01/Project", "Project_0001.mp4"};
    toCopy.setNamePreview({planned}, true);
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(first.data(SessionFilesModel::PlannedNameRole), "Project_0001.mp4");
    EXPECT_TRUE(first.data(SessionFilesModel::IsPlaceholderNameRole).toBool());
    EXPECT_EQ(first.data(Qt::ToolTipRole), "2024-05-01/Project/Project_0001.mp4");
    EXPECT_EQ(first.data(SessionFilesModel::DetailRole), "from C0001.MP4 · 0:42 · 1 sidecar");
    const std::optional<MediaTileInfo> tile = MediaTileInfo::fromRow(toCopy, 0);
    ASSERT_TRUE(tile);
    EXPECT_EQ(tile->detail, "from C0001.MP4 · 0:42 · 1 sidecar");
    EXPECT_FALSE(MediaTileInfo::fromRow(toCopy, 3));

    // The short clip leaves with its sidecar, and the skipped list counts it.
    session.setShortRule({true, 60});
    ASSERT_EQ(skipped.rowCount(), 1);
    EXPECT_EQ(skipped.index(0).data(Qt::AccessibleTextRole),
              "Video, C0001.MP4, 0:42 long, with 1 sidecar, short clip, skipped");

    // Another card's session shows no names planned for this one.
    OffloadSession other(card(), inventory, {});
    toCopy.setSession(&other);
    EXPECT_FALSE(toCopy.index(0).data(SessionFilesModel::PlannedNameRole).isValid());
}

TEST(NamePreviewTest, TheListShowsTheNamesARunWouldGiveWithStandInsForWhatIsMissing) {
    test::World w;
    w.insertCard("A7S", {{"DCIM/C0001.MP4", "v"}, {"DCIM/C0001.XML", "x"}});
    ASSERT_TRUE(w.waitForSession());
    const QModelIndex first = w.model->filesToCopy().index(0);
    const auto name = [&] { return first.data(SessionFilesModel::PlannedNameRole).toString(); };
    ASSERT_TRUE(test::spinUntil([&] { return !name().isEmpty(); }));
    EXPECT_TRUE(name().contains("_Project_")) << name().toStdString();
    EXPECT_TRUE(first.data(SessionFilesModel::IsPlaceholderNameRole).toBool());
    EXPECT_EQ(w.model->namePreview().plan().files.size(), 2);

    w.model->session()->setProjectInput("Harbour");
    ASSERT_TRUE(test::spinUntil([&] { return name().contains("_Harbour_"); }));
    EXPECT_FALSE(first.data(SessionFilesModel::IsPlaceholderNameRole).toBool());

    // The run takes the names shown, the numbers a backup already holds counted in.
    test::TempDir backup;
    w.model->settings().setValue(setting::backupDestinations, {backup.path()});
    const QString taken = w.model->namePreview().plan().files[0].folder + u'/' +
                          w.model->namePreview().plan().files[0].fileName;
    test::writeFile(backup.path() + u'/' + taken, "an earlier copy");
    w.model->namePreview().update();
    ASSERT_TRUE(test::spinUntil([&] {
        return w.model->namePreview().isCurrent() && !name().isEmpty() &&
               w.model->namePreview().plan().files[0].folder + u'/' +
                       w.model->namePreview().plan().files[0].fileName !=
                   taken;
    }));
    const QList<PlannedFile> shown = w.model->namePreview().plan().files;
    EXPECT_EQ(shown, w.model->plan());
    w.model->startOffload();
    ASSERT_TRUE(w.model->session()->plan().has_value());
    EXPECT_EQ(*w.model->session()->plan(), shown);
    ASSERT_TRUE(w.waitForOffload());

    // A value only the folders use leaves the file names whole.
    const NamingTemplates folderOnly = *NamingTemplates::make("{date}/{project}", "{date}_{seq}");
    const NamePreview::Plan plan = NamePreview::make(
        {clip("C0001.MP4")}, folderOnly, NamingContext{}, FileRules::standard(), QStringList{});
    ASSERT_EQ(plan.files.size(), 1);
    EXPECT_FALSE(plan.filledBlanks);
    EXPECT_TRUE(plan.files[0].folder.contains("/Project")) << plan.files[0].folder.toStdString();
}

} // namespace
} // namespace stowly
