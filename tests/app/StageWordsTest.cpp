#include "app/ClipsStageContent.h"
#include "app/FormatAlert.h"
#include "session/OffloadSession.h"

#include "support/Printing.h"

#include <gtest/gtest.h>

namespace stowly {
namespace {

const QDateTime today(QDate::currentDate(), QTime(12, 0));
const QDateTime longAgo(QDate(2020, 3, 1), QTime(12, 0));

Clip clip(const QString& path, const QDateTime& created = today) {
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
    EXPECT_EQ(formatTitle(readiness(5, 0, 0, 2)), "Format");
    EXPECT_EQ(formatTitle(readiness(5, 2, 1, 0)), "Format and Discard 1 Short Clip");
    EXPECT_EQ(formatTitle(readiness(5, 4, 3, 0)), "Format and Discard 3 Short Clips");

    FormatReadiness pending = readiness(5, 2, 1, 0);
    pending.missingCopies = 1;
    EXPECT_EQ(helpText(true, readiness(5, 2, 1, 0)),
              "Erase this card. The skipped short clips weren’t offloaded and will be lost");
    EXPECT_EQ(helpText(true, readiness(5, 0, 0, 0)),
              "Erase this card so it’s ready for new footage");
    EXPECT_EQ(helpText(false, pending),
              "Offload the other files first. Include or remove short clips first, or format "
              "and discard them");
    EXPECT_EQ(helpText(false, std::nullopt),
              "Available once every file on the card has a verified copy");

    EXPECT_EQ(FormatAlert::stateText({AppModel::FormatState::Kind::formatted, "NO NAME"}),
              "“NO NAME” was formatted and is ready for your camera.");
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
    session.setDateFilter({DateFilter::Mode::today, today, today});

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
}

} // namespace
} // namespace stowly
