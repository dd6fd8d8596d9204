#include "app/lists/SessionFilesModel.h"
#include "app/wording/FormatAlert.h"
#include "app/wording/MediaFactsText.h"
#include "app/wording/MediaTileInfo.h"
#include "support/AppModelWorld.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

MediaFacts damagedClip() {
    MediaFacts facts;
    facts.damage = QStringLiteral("The clip’s index is missing.");
    return facts;
}

MediaFacts photo() {
    MediaFacts facts;
    facts.cameraMake = "Canon";
    facts.cameraModel = "Canon EOS R5";
    facts.lens = "RF24-70mm";
    facts.iso = 400;
    facts.exposureTime = 1.0 / 250;
    facts.aperture = 4;
    facts.focalLength = 50;
    return facts;
}

// After the scan, in the background: the shown card's facts arrive with a notice, the list and
// its spoken words mark the damaged clip, the erase confirmation names it, and a second look
// at the same card reads nothing again.
TEST(CardFactsTest, FactsArriveAfterTheScanAreShownAndAreReadOnce) {
    World w;
    w.facts->byName = {{"C0001.MP4", damagedClip()}, {"DSC0003.JPG", photo()}};
    const CardVolume card = w.insertCard("EOS_DIGITAL", {{"DCIM/100MSDCF/C0001.MP4", "clip"},
                                                         {"DCIM/100MSDCF/C0002.MP4", "clip"},
                                                         {"DCIM/100MSDCF/C0002.XML", "<xml/>"},
                                                         {"DCIM/100MSDCF/DSC0003.JPG", "jpeg"}});
    AppModel& m = *w.model;
    QSignalSpy arrived(&m, &AppModel::cardFactsChanged);
    ASSERT_TRUE(w.waitForSession());
    ASSERT_TRUE(spinUntil([&] { return !m.isReadingCardFacts(); }));
    EXPECT_FALSE(arrived.isEmpty());
    EXPECT_EQ(m.cardFacts().keys().size(), 2);
    EXPECT_EQ(m.cardFacts().value("DCIM/100MSDCF/DSC0003.JPG"), photo());
    // Clips and photos only: the sidecar is not read.
    EXPECT_EQ(w.facts->reads, 3);

    const SessionFilesModel& list = m.filesToCopy();
    int damagedRow = -1;
    for (int row = 0; row < list.rowCount(); ++row)
        if (list.index(row).data(SessionFilesModel::DamageRole).isValid())
            damagedRow = row;
    ASSERT_GE(damagedRow, 0);
    const MediaTileInfo tile = *MediaTileInfo::fromRow(list, damagedRow);
    EXPECT_EQ(tile.clip.fileName(), "C0001.MP4");
    EXPECT_TRUE(tile.accessibilityText().endsWith(", may be damaged"));
    EXPECT_TRUE(tile.damagedHelp().startsWith(
        "This clip may be damaged: The clip’s index is missing. The camera"));

    const std::optional<FormatReadiness> readiness = m.formatReadiness();
    ASSERT_TRUE(readiness);
    EXPECT_EQ(readiness->damagedClips, QStringList{"C0001.MP4"});
    EXPECT_TRUE(FormatAlert::text(card.name, *readiness)
                    .message.contains("“C0001.MP4” may be damaged. The camera that recorded it "
                                      "may be able to repair it before the card is erased"));

    m.select(card, false);
    ASSERT_TRUE(w.waitForSession());
    ASSERT_TRUE(spinUntil([&] { return !m.isReadingCardFacts(); }));
    EXPECT_EQ(w.facts->reads, 3);
    EXPECT_EQ(m.cardFacts().size(), 2);
}

TEST(CardFactsTest, LinesSayWhatIsKnownTheWayCamerasSayIt) {
    MediaFacts clip;
    clip.codec = "h264";
    clip.width = 1920;
    clip.height = 1080;
    clip.frameRate = 25;
    clip.duration = 10.4;
    clip.startTimecode = "01:00:00:00";
    clip.audioChannels = 2;
    EXPECT_EQ(MediaFactsText::line(clip),
              "H.264 · 1920×1080 · 25 fps · 0:10 · TC 01:00:00:00 · 2 ch");
    clip.frameRate = 24000.0 / 1001;
    clip.duration.reset();
    clip.codec = "somecodec";
    EXPECT_EQ(MediaFactsText::line(clip, 61),
              "SOMECODEC · 1920×1080 · 23.976 fps · 1:01 · TC 01:00:00:00 · 2 ch");
    EXPECT_EQ(MediaFactsText::line(photo()),
              "Canon EOS R5 · RF24-70mm · ISO 400 · 1/250 s · f/4 · 50 mm");
    MediaFacts slow;
    slow.cameraMake = "NIKON CORPORATION";
    slow.cameraModel = "Z 8";
    slow.exposureTime = 2.5;
    slow.aperture = 5.6;
    EXPECT_EQ(MediaFactsText::line(slow), "NIKON CORPORATION Z 8 · 2.5 s · f/5.6");
    EXPECT_EQ(MediaFactsText::line({}), "");

    EXPECT_EQ(MediaFactsText::damagedParagraph({}), "");
    EXPECT_TRUE(MediaFactsText::damagedParagraph({"A.MP4", "B.MP4", "C.MP4", "D.MP4", "E.MP4"})
                    .startsWith("“A.MP4”, “B.MP4”, “C.MP4” and 2 more may be damaged. The camera "
                                "that recorded them"));
}

} // namespace
} // namespace stowly::test
