#include "Printers.h"

#include "devices/CardFileSystem.h"
#include "devices/DiskFacts.h"
#include "devices/FormatGuard.h"
#include "devices/VolumePaths.h"
#include "devices/linux/LsblkListing.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace stowly;

namespace {

DiskFacts sdCard(const QString& mountPoint = "/Volumes/CARD") {
    DiskFacts f;
    f.deviceIdentifier = "disk4s1";
    f.parentWholeDisk = "disk4";
    f.mountPoint = mountPoint;
    f.isRemovable = f.isEjectable = true;
    return f;
}

std::optional<QString> refusal(const DiskFacts& card, const std::optional<DiskFacts>& dest = {},
                               const std::optional<QString>& destPath = {},
                               const QString& expected = "/Volumes/CARD") {
    DiskFacts boot;
    boot.deviceIdentifier = "disk1s1";
    boot.parentWholeDisk = "disk1";
    VolumePaths::setMountRoots({"/Volumes/"});
    const auto result = FormatGuard::refusal(card, expected, boot, dest, destPath);
    VolumePaths::setMountRoots(VolumePaths::defaultMountRoots());
    return result;
}

} // namespace

TEST(DiskFactsTest, ReadsLsblkThroughStackedDevices) {
    // "/" on LVM over two SATA disks, a USB card reader, an SD card, an eMMC chip, an image.
    const auto listing =
        LsblkListing::parse(test::readFile(STOWLY_TEST_DATA_DIR "/devices/lsblk-desktop.json"));
    ASSERT_TRUE(listing);
    const DiskFacts root = listing->facts(listing->mountedAt("/")->kernelName);
    EXPECT_EQ(root.deviceIdentifier, "dm-0");
    EXPECT_EQ(root.wholeDisks, QStringList({"sda", "sdc"}));
    EXPECT_TRUE(root.isOSInternal && root.isInternal);
    EXPECT_FALSE(root.isPartitionOrImage());

    // Another partition of a disk that carries part of the system is the system's.
    const DiskFacts data = listing->facts("sdc2");
    EXPECT_TRUE(data.isOSInternal);
    EXPECT_TRUE(data.sharesDiskWith(root));
    EXPECT_FALSE(listing->facts("sdc1").isPartitionOrImage()); // an LVM member

    const DiskFacts card = listing->facts("sdb1");
    EXPECT_EQ(card.parentWholeDisk, "sdb");
    EXPECT_EQ(card.volumeName, "EOS_DIGITAL");
    EXPECT_EQ(card.filesystemName, "FAT32");
    EXPECT_EQ(card.volumeUUID, "1234-ABCD");
    EXPECT_EQ(card.size, 63999000000);
    EXPECT_TRUE(card.isRemovable && card.isEjectable && card.isPartitionOrImage());
    EXPECT_FALSE(card.isInternal || card.isOSInternal || card.sharesDiskWith(root));
    EXPECT_FALSE(listing->facts("sdb").isPartitionOrImage()); // a whole disk never passes

    const DiskFacts emmc = listing->facts("mmcblk0p1");
    EXPECT_FALSE(emmc.isRemovable || emmc.isEjectable || emmc.isRemovableOrExternal);
    const DiskFacts image = listing->facts("loop3");
    EXPECT_TRUE(image.isPartitionOrImage() && image.isEjectable);
    EXPECT_EQ(image.filesystemName, "exFAT");

    EXPECT_EQ(listing->device("/dev/mapper/vg-root")->kernelName, "dm-0");
    EXPECT_FALSE(LsblkListing::parse("not json"));
    EXPECT_FALSE(LsblkListing::fileSystemName(QString("vfat"), std::nullopt));
}

TEST(DiskFactsTest, CardFileSystemsAndTheirNames) {
    using namespace cardFileSystem;
    auto s = [](const char* t) { return t ? std::optional<QString>(t) : std::nullopt; };
    EXPECT_EQ(detect(s("ExFAT"), {}), CardFileSystem::exFAT);
    EXPECT_EQ(detect({}, s("exfat")), CardFileSystem::exFAT);
    EXPECT_EQ(detect(s("msdos"), {}), CardFileSystem::fat32);
    EXPECT_EQ(detect(s("vfat"), s("FAT16")), CardFileSystem::fat16);
    EXPECT_EQ(detect({}, s("MS-DOS FAT16")), CardFileSystem::fat16);
    EXPECT_FALSE(detect(s("msdos"), s("MS-DOS FAT12")));
    EXPECT_FALSE(detect(s("hfs"), {}));

    EXPECT_EQ(fatName("  Élan: Card/01  "), "LAN CARD01");
    EXPECT_EQ(fatName(""), "UNTITLED");
    EXPECT_EQ(fatName("a.b+c=d[e]fghijklmnop"), "ABCDEFGHIJK");
    // exFAT holds 11 UTF-16 units of label (mkfs.exfat refuses more); a cut never splits
    // a character.
    EXPECT_EQ(exFATName(" My \"Card\": 1/2?\t "), "My Card 12");
    EXPECT_EQ(exFATName("ABCDEFGHIJKLMNOPQRST"), "ABCDEFGHIJK");
    EXPECT_EQ(exFATName("ABCDEFGHIJ🎥"), "ABCDEFGHIJ");
    EXPECT_EQ(exFATName("**"), "Untitled");
}

// The order of the guards, and facts the Linux disk tool's answers cannot show.
TEST(FormatGuardTest, AppliesEveryGuardInOrder) {
    namespace G = FormatGuard;
    auto with = [](const std::function<void(DiskFacts&)>& change) {
        DiskFacts f = sdCard();
        change(f);
        return f;
    };
    EXPECT_EQ(refusal(sdCard()), std::nullopt);
    EXPECT_EQ(refusal(sdCard("/Volumes/CARD/")), std::nullopt);
    EXPECT_EQ(refusal(sdCard(), {}, {}, "/Volumes/CARD 1"), G::locationChanged());
    EXPECT_EQ(refusal(with([](auto& f) { f.mountPoint = ""; })), G::locationChanged());
    EXPECT_EQ(refusal(with([](auto& f) {
                  f.mountPoints = {"/Volumes/CARD", "/srv/c"};
              })),
              G::mountedTwice());
    EXPECT_EQ(refusal(sdCard("/mnt/CARD"), {}, {}, "/mnt/CARD"), G::onlyMemoryCards());
    EXPECT_EQ(refusal(sdCard("/"), {}, {}, "/"), G::onlyMemoryCards());
    EXPECT_EQ(refusal(with([](auto& f) { f.deviceIdentifier = "disk4"; })), G::onlyMemoryCards());
    for (const char* kind : {"disk", "lvm", "crypt", "raid1"})
        EXPECT_EQ(refusal(with([&](auto& f) { f.deviceKind = kind, f.wholeDisks = {"sdb"}; })),
                  G::onlyMemoryCards())
            << kind;
    EXPECT_EQ(refusal(with([](auto& f) { f.deviceKind = "loop", f.wholeDisks = {"loop0"}; })),
              std::nullopt);
    EXPECT_EQ(refusal(with([](auto& f) { f.parentWholeDisk = "disk1"; })), G::startupDisk());
    EXPECT_EQ(refusal(with([](auto& f) { f.isOSInternal = true; })), G::partOfComputer());

    DiskFacts fixed = with([](auto& f) { f.isRemovable = f.isEjectable = false; });
    EXPECT_EQ(refusal(fixed), G::onlyRemovable());
    fixed.isRemovableOrExternal = true; // an external drive
    EXPECT_EQ(refusal(fixed), std::nullopt);
    fixed.isInternal = true;
    EXPECT_EQ(refusal(fixed), G::partOfComputer());
    // A removable card skips both tests.
    EXPECT_EQ(refusal(with([](auto& f) { f.isInternal = true, f.isEjectable = false; })),
              std::nullopt);

    EXPECT_EQ(refusal(sdCard(), {}, QString("/Volumes/CARD/x/../Backup")), G::destinationOnCard());
    EXPECT_EQ(refusal(sdCard(), {}, QString("/Volumes/CARDS/Backup")), std::nullopt);
    EXPECT_EQ(refusal(sdCard(), with([](auto& f) { f.deviceIdentifier = "disk4s2"; })),
              G::destinationOnSameDrive());
    EXPECT_EQ(refusal(sdCard(), sdCard()), G::destinationOnCard());
    EXPECT_EQ(refusal(sdCard(), with([](auto& f) {
                          f.deviceIdentifier = "disk7s2", f.parentWholeDisk = "disk7";
                      })),
              std::nullopt);
}
