#include "Printers.h"
#include "support/TestSupport.h"

#include "app/IgnoredImportCard.h"
#include "devices/MountDebouncer.h"
#include "devices/SpaceInfo.h"
#include "devices/VolumeInfo.h"
#include "devices/VolumePaths.h"

#include <QDir>
#include <QJsonDocument>

#include <gtest/gtest.h>

using namespace stowly;

TEST(VolumeValuesTest, PathsAndMountRoots) {
    EXPECT_EQ(VolumePaths::normalized("/media//CARD/./x/../"), "/media/CARD");
    EXPECT_EQ(VolumePaths::normalized("/"), "/");
    EXPECT_EQ(VolumePaths::normalized("~/Footage"), QDir::homePath() + "/Footage");
    EXPECT_TRUE(VolumePaths::isOnVolume("/media/CARD", "/media/CARD/"));
    EXPECT_FALSE(VolumePaths::isOnVolume("/media/CARD2/x", "/media/CARD"));
    EXPECT_TRUE(VolumePaths::isUnderMountRoots("/run/media/u/CARD"));
    EXPECT_FALSE(VolumePaths::isUnderMountRoots("/mnt/CARD"));
    VolumePaths::setMountRoots({"/Volumes"});
    EXPECT_TRUE(VolumePaths::isUnderMountRoots("/Volumes/CARD"));
    EXPECT_FALSE(VolumePaths::isUnderMountRoots("/VolumesX/CARD"));
    VolumePaths::setMountRoots(VolumePaths::defaultMountRoots());
}

TEST(VolumeValuesTest, NamesFileSystemsAndSaysWhyTheyAreReadOnly) {
    auto name = [](std::optional<QString> type, std::optional<QString> description = {}) {
        return VolumeInfo::formatName(type, description);
    };
    EXPECT_EQ(name("ExFAT"), "exFAT");
    EXPECT_EQ(name("fuseblk"), "NTFS");
    EXPECT_EQ(name("vfat"), "FAT32");
    EXPECT_EQ(name("weirdfs", "Windows nTfS volume"), "NTFS");
    EXPECT_EQ(name("weirdfs", "Some Format"), "Some Format");
    EXPECT_EQ(name("weirdfs", ""), "weirdfs");
    EXPECT_EQ(name({}), std::nullopt);

    VolumeInfo::StatfsInfo info{0, 1000, "ntfs", true};
    EXPECT_EQ(VolumeInfo::readOnlyReason(info),
              "This drive is read-only (NTFS). Linux can’t write to it.");
    info.fsType = "exfat";
    EXPECT_EQ(VolumeInfo::readOnlyReason(info),
              "This drive is read-only (exFAT), so Stowly can’t write to it — choose another");
    info.fsType.clear();
    EXPECT_EQ(VolumeInfo::readOnlyReason(info),
              "This drive is read-only, so Stowly can’t write to it — choose another");
    EXPECT_EQ(VolumeInfo::availableBytes(info), 0); // full is 0, not unknown
    info.isReadOnly = false;
    EXPECT_EQ(VolumeInfo::readOnlyReason(info), std::nullopt);
    EXPECT_EQ(VolumeInfo::availableBytes(std::optional<VolumeInfo::StatfsInfo>()), std::nullopt);
}

TEST(VolumeValuesTest, ReadsARealFileSystem) {
    test::TempDir dir;
    const auto info = VolumeInfo::statfsInfo(dir.path());
    ASSERT_TRUE(info);
    EXPECT_GT(info->totalBytes, 0);
    EXPECT_LE(info->availableBytes, info->totalBytes);
    EXPECT_FALSE(info->fsType.isEmpty());
    EXPECT_EQ(VolumeInfo::readOnlyReason(dir.path()), std::nullopt);
    EXPECT_EQ(VolumeInfo::availableBytes(dir("missing")), std::nullopt);
    EXPECT_EQ(VolumeInfo::statfsInfo("/proc")->fsType, "proc");
}

TEST(VolumeValuesTest, SummarisesFreeSpaceAgainstTheNeed) {
    const SpaceInfo fits =
        SpaceInfo::make(qint64(2'500'000'000), qint64(10'000'000'000), {}, qint64(1'000'000'000));
    EXPECT_EQ(fits.freeText, "2.5 GB available");
    EXPECT_EQ(fits.requirementText, "needs 1.0 GB");
    EXPECT_FALSE(fits.isShort);
    EXPECT_DOUBLE_EQ(*fits.usedFraction, 0.75);
    EXPECT_TRUE(SpaceInfo::make(qint64(500), qint64(1000), {}, qint64(501)).isShort);

    const SpaceInfo unknown = SpaceInfo::make({}, {}, QString("read-only"), qint64(0));
    EXPECT_EQ(unknown.freeText, "Free space unknown");
    EXPECT_EQ(unknown.requirementText, std::nullopt);
    EXPECT_FALSE(unknown.isShort);
    EXPECT_EQ(unknown.usedFraction, std::nullopt);
    EXPECT_EQ(SpaceInfo::make(qint64(0), qint64(0), {}, {}).usedFraction, std::nullopt);
    EXPECT_DOUBLE_EQ(*SpaceInfo::make(qint64(2000), qint64(1000), {}, {}).usedFraction, 0.0);
}

TEST(VolumeValuesTest, DebouncesPromptsPerCard) {
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
    EXPECT_EQ(debouncer.lastPrompt.value("card"), at(20.0));
}

// Stored in the settings: older files must keep reading.
TEST(VolumeValuesTest, IgnoredCardsStoreExactlyIdentityAndName) {
    const IgnoredImportCard card{"7FFF-DCA6", "EOS_DIGITAL"};
    EXPECT_EQ(QJsonDocument(card.toJson()).toJson(QJsonDocument::Compact),
              R"({"identity":"7FFF-DCA6","name":"EOS_DIGITAL"})");
    EXPECT_EQ(IgnoredImportCard::fromJson(card.toJson()), card);
    EXPECT_FALSE(IgnoredImportCard::fromJson(QJsonObject{{"identity", 1}, {"name", "x"}}));
}
