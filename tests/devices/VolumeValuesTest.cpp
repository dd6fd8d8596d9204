#include "Printers.h"

#include "devices/IgnoredImportCard.h"
#include "devices/ImportPromptStyle.h"
#include "devices/MountDebouncer.h"
#include "devices/SpaceInfo.h"
#include "devices/VolumeInfo.h"
#include "devices/VolumePaths.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QJsonDocument>

#include <gtest/gtest.h>

using namespace stowly;

TEST(VolumePathsTest, NormalisesAndComparesWithTrailingSlashes) {
    EXPECT_EQ(VolumePaths::normalized("/media/CARD/"), "/media/CARD");
    EXPECT_EQ(VolumePaths::normalized("/media//CARD/./x/.."), "/media/CARD");
    EXPECT_EQ(VolumePaths::normalized("/"), "/");
    EXPECT_EQ(VolumePaths::normalized("~/Footage"), QDir::homePath() + "/Footage");
    EXPECT_TRUE(VolumePaths::isOnVolume("/media/CARD", "/media/CARD/"));
    EXPECT_TRUE(VolumePaths::isOnVolume("/media/CARD/x", "/media/CARD"));
    EXPECT_FALSE(VolumePaths::isOnVolume("/media/CARD2/x", "/media/CARD"));

    EXPECT_TRUE(VolumePaths::isUnderMountRoots("/run/media/u/CARD"));
    EXPECT_FALSE(VolumePaths::isUnderMountRoots("/mnt/CARD"));
    VolumePaths::setMountRoots({"/Volumes"});
    EXPECT_EQ(VolumePaths::mountRoots(), QStringList({"/Volumes/"}));
    EXPECT_TRUE(VolumePaths::isUnderMountRoots("/Volumes/CARD"));
    EXPECT_FALSE(VolumePaths::isUnderMountRoots("/VolumesX/CARD"));
    VolumePaths::setMountRoots(VolumePaths::defaultMountRoots());
}

TEST(VolumeInfoTest, NamesFileSystemsForPeople) {
    auto name = [](const char* type, const char* description = nullptr) {
        return VolumeInfo::formatName(type ? std::optional<QString>(type) : std::nullopt,
                                      description ? std::optional<QString>(description)
                                                  : std::nullopt);
    };
    EXPECT_EQ(name("ExFAT"), "exFAT");
    EXPECT_EQ(name("ntfs3"), "NTFS");
    EXPECT_EQ(name("fuseblk"), "NTFS");
    EXPECT_EQ(name("tuxera_ntfs"), "NTFS");
    EXPECT_EQ(name("msdos"), "FAT32");
    EXPECT_EQ(name("vfat"), "FAT32");
    EXPECT_EQ(name("hfsplus"), "Mac OS Extended");
    EXPECT_EQ(name("apfs"), "APFS");
    EXPECT_EQ(name("weirdfs", "Windows nTfS volume"), "NTFS");
    EXPECT_EQ(name("weirdfs", "Some Format"), "Some Format");
    EXPECT_EQ(name("weirdfs", ""), "weirdfs");
    EXPECT_EQ(name(nullptr), std::nullopt);
}

TEST(VolumeInfoTest, WordsReadOnlyMessages) {
    EXPECT_EQ(VolumeInfo::readOnlyMessage(std::nullopt),
              "This drive is read-only, so Stowly can’t write to it — choose another");
    EXPECT_EQ(VolumeInfo::readOnlyMessage(QString("NTFS")),
              "This drive is read-only (NTFS). Linux can’t write to it.");
    EXPECT_EQ(VolumeInfo::readOnlyMessage(QString("exFAT")),
              "This drive is read-only (exFAT), so Stowly can’t write to it — choose another");

    VolumeInfo::StatfsInfo info{100, 1000, "ntfs", true};
    EXPECT_EQ(VolumeInfo::readOnlyReason(info),
              "This drive is read-only (NTFS). Linux can’t write to it.");
    info.fsType.clear();
    EXPECT_EQ(VolumeInfo::readOnlyReason(info), VolumeInfo::readOnlyMessage(std::nullopt));
    info.isReadOnly = false;
    EXPECT_EQ(VolumeInfo::readOnlyReason(info), std::nullopt);
    EXPECT_EQ(VolumeInfo::readOnlyReason(std::optional<VolumeInfo::StatfsInfo>()), std::nullopt);
}

TEST(VolumeInfoTest, AFullVolumeHasZeroBytesNotUnknown) {
    EXPECT_EQ(VolumeInfo::availableBytes(VolumeInfo::StatfsInfo{0, 1000, "ext4", false}), 0);
    EXPECT_EQ(VolumeInfo::availableBytes(std::optional<VolumeInfo::StatfsInfo>()), std::nullopt);
    EXPECT_EQ(VolumeInfo::totalBytes(VolumeInfo::StatfsInfo{5, 1000, "ext4", false}), 1000);
}

TEST(VolumeInfoTest, ReadsARealFileSystem) {
    test::TempDir dir;
    const auto info = VolumeInfo::statfsInfo(dir.path());
    ASSERT_TRUE(info);
    EXPECT_GT(info->totalBytes, 0);
    EXPECT_GE(info->availableBytes, 0);
    EXPECT_LE(info->availableBytes, info->totalBytes);
    EXPECT_FALSE(info->fsType.isEmpty());
    EXPECT_FALSE(info->isReadOnly);
    EXPECT_EQ(VolumeInfo::readOnlyReason(dir.path()), std::nullopt);
    EXPECT_FALSE(VolumeInfo::statfsInfo(dir("missing/folder")));
    EXPECT_EQ(VolumeInfo::availableBytes(dir("missing/folder")), std::nullopt);
    // /proc is mounted read-write but cannot hold footage; /sys/fs is a good read-only case
    // only where it is read-only, so the check stays on what statfs says.
    EXPECT_EQ(VolumeInfo::statfsInfo("/proc")->fsType, "proc");
}

TEST(SpaceInfoTest, SummarisesFreeSpaceAgainstTheNeed) {
    const SpaceInfo fits = SpaceInfo::make(qint64(2'500'000'000), qint64(10'000'000'000),
                                           std::nullopt, qint64(1'000'000'000));
    EXPECT_EQ(fits.freeText, "2.5 GB available");
    EXPECT_EQ(fits.requirementText, "needs 1.0 GB");
    EXPECT_FALSE(fits.isShort);
    EXPECT_DOUBLE_EQ(*fits.usedFraction, 0.75);

    const SpaceInfo shortOf = SpaceInfo::make(qint64(500), qint64(1000), std::nullopt,
                                              qint64(501));
    EXPECT_TRUE(shortOf.isShort);
    EXPECT_EQ(shortOf.freeText, "500 bytes available");

    const SpaceInfo unknown =
        SpaceInfo::make(std::nullopt, std::nullopt, QString("read-only"), qint64(0));
    EXPECT_EQ(unknown.freeText, "Free space unknown");
    EXPECT_EQ(unknown.requirementText, std::nullopt); // nothing needed, nothing said
    EXPECT_FALSE(unknown.isShort);
    EXPECT_EQ(unknown.usedFraction, std::nullopt);
    EXPECT_EQ(unknown.readOnlyReason, "read-only");

    // A total of zero draws no gauge; more free than total draws an empty one.
    EXPECT_EQ(SpaceInfo::make(qint64(0), qint64(0), {}, {}).usedFraction, std::nullopt);
    EXPECT_DOUBLE_EQ(*SpaceInfo::make(qint64(2000), qint64(1000), {}, {}).usedFraction, 0.0);
    EXPECT_EQ(SpaceInfo::gaugeAccessibilityLabel(), "Destination space used");

    test::TempDir dir;
    const SpaceInfo real = SpaceInfo::make(dir.path(), qint64(1));
    EXPECT_TRUE(real.available);
    EXPECT_TRUE(real.freeText.endsWith(" available"));
}

TEST(MountDebouncerTest, LetsOnePromptThroughPerInterval) {
    MountDebouncer debouncer;
    const auto t0 = MountDebouncer::Clock::time_point{};
    auto at = [&](double seconds) {
        return t0 + std::chrono::duration_cast<MountDebouncer::Clock::duration>(
                        std::chrono::duration<double>(seconds));
    };
    EXPECT_TRUE(debouncer.shouldPrompt("card", at(0)));
    EXPECT_FALSE(debouncer.shouldPrompt("card", at(19.9)));
    EXPECT_TRUE(debouncer.shouldPrompt("other", at(19.9)));
    EXPECT_TRUE(debouncer.shouldPrompt("card", at(20.0)));
    EXPECT_EQ(debouncer.lastPrompt.value("card"), at(20.0));
    EXPECT_FALSE(debouncer.shouldPrompt("card", at(39.9)));
}

TEST(IgnoredImportCardTest, StoresExactlyIdentityAndName) {
    const IgnoredImportCard card{"7FFF-DCA6", "EOS_DIGITAL"};
    EXPECT_EQ(QJsonDocument(card.toJson()).toJson(QJsonDocument::Compact),
              R"({"identity":"7FFF-DCA6","name":"EOS_DIGITAL"})");
    EXPECT_EQ(IgnoredImportCard::fromJson(card.toJson()), card);
    EXPECT_FALSE(IgnoredImportCard::fromJson(QJsonObject{{"identity", "x"}}));
    EXPECT_FALSE(IgnoredImportCard::fromJson(QJsonObject{{"identity", 1}, {"name", "x"}}));

    EXPECT_EQ(importPromptStyle::fromRawValue("panel"), ImportPromptStyle::panel);
    EXPECT_EQ(importPromptStyle::fromRawValue("Panel"), ImportPromptStyle::notification);
    EXPECT_EQ(importPromptStyle::rawValue(ImportPromptStyle::notification), "notification");
}
