#include "Printers.h"
#include "support/TestSupport.h"

#include "app/prompts/IgnoredImportCard.h"
#include "devices/MountDebouncer.h"
#include "devices/SpaceInfo.h"
#include "devices/VolumeInfo.h"
#include "devices/VolumePaths.h"

#include <QDir>
#include <QJsonDocument>

#include <gtest/gtest.h>

using namespace stowly;

TEST(VolumeValuesTest, PathsMountRootsPromptDebounceAndIgnoredCards) {
    EXPECT_EQ(VolumePaths::normalized("/media//CARD/./x/../"), "/media/CARD");
    EXPECT_TRUE(VolumePaths::isOnVolume("/media/CARD", "/media/CARD/"));
    EXPECT_FALSE(VolumePaths::isOnVolume("/media/CARD2/x", "/media/CARD"));
    EXPECT_TRUE(VolumePaths::isUnderMountRoots("/run/media/u/CARD"));
    EXPECT_FALSE(VolumePaths::isUnderMountRoots("/mnt/CARD"));
    VolumePaths::setMountRoots({"/Volumes"});
    EXPECT_FALSE(VolumePaths::isUnderMountRoots("/VolumesX/CARD"));
    VolumePaths::setMountRoots(VolumePaths::defaultMountRoots());

    MountDebouncer debouncer;
    auto at = [](double seconds) {
        return MountDebouncer::Clock::time_point{} +
               std::chrono::duration_cast<MountDebouncer::Clock::duration>(
                   std::chrono::duration<double>(seconds));
    };
    EXPECT_TRUE(debouncer.shouldPrompt("card", at(0)));
    EXPECT_FALSE(debouncer.shouldPrompt("card", at(19.9)));
    EXPECT_TRUE(debouncer.shouldPrompt("other", at(19.9)));
    EXPECT_TRUE(debouncer.shouldPrompt("card", at(20.0)));

    // Stored in the settings: older files must keep reading.
    const IgnoredImportCard card{"7FFF-DCA6", "EOS_DIGITAL"};
    EXPECT_EQ(QJsonDocument(card.toJson()).toJson(QJsonDocument::Compact),
              R"({"identity":"7FFF-DCA6","name":"EOS_DIGITAL"})");
    EXPECT_EQ(IgnoredImportCard::fromJson(card.toJson()), card);
    EXPECT_FALSE(IgnoredImportCard::fromJson(QJsonObject{{"identity", 1}, {"name", "x"}}));
}

TEST(VolumeValuesTest, ReadOnlyReasonsAndFreeSpace) {
    EXPECT_EQ(VolumeInfo::formatName(QString("fuseblk"), {}), "NTFS");
    VolumeInfo::StatfsInfo info{0, 1000, "ntfs", true};
    EXPECT_EQ(VolumeInfo::readOnlyReason(info),
              "This drive is read-only (NTFS). Linux can’t write to it.");
    EXPECT_EQ(VolumeInfo::availableBytes(info), 0); // full is 0, not unknown
    info.isReadOnly = false;
    EXPECT_EQ(VolumeInfo::readOnlyReason(info), std::nullopt);
    EXPECT_EQ(VolumeInfo::availableBytes(std::optional<VolumeInfo::StatfsInfo>()), std::nullopt);

    test::TempDir dir;
    const auto real = VolumeInfo::statfsInfo(dir.path());
    ASSERT_TRUE(real);
    EXPECT_LE(real->availableBytes, real->totalBytes);
    EXPECT_EQ(VolumeInfo::readOnlyReason(dir.path()), std::nullopt);
    EXPECT_EQ(VolumeInfo::availableBytes(dir("missing")), std::nullopt);

    const SpaceInfo fits =
        SpaceInfo::make(qint64(2'500'000'000), qint64(10'000'000'000), {}, qint64(1'000'000'000));
    EXPECT_FALSE(fits.isShort);
    EXPECT_DOUBLE_EQ(*fits.usedFraction, 0.75);
    EXPECT_TRUE(SpaceInfo::make(qint64(500), qint64(1000), {}, qint64(501)).isShort);
    EXPECT_FALSE(SpaceInfo::make({}, {}, QString("read-only"), qint64(0)).isShort);
    EXPECT_EQ(SpaceInfo::make(qint64(0), qint64(0), {}, {}).usedFraction, std::nullopt);
    EXPECT_DOUBLE_EQ(*SpaceInfo::make(qint64(2000), qint64(1000), {}, {}).usedFraction, 0.0);
    EXPECT_EQ(SpaceInfo::formatBytes(1), "1 byte");
}
