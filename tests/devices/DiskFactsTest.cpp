#include "Printers.h"

#include "devices/CardFileSystem.h"
#include "devices/DiskFacts.h"
#include "devices/FormatGuard.h"
#include "devices/VolumePaths.h"
#include "devices/linux/LsblkListing.h"

#include <gtest/gtest.h>

using namespace stowly;

namespace {

QByteArray plist(const QByteArray& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n" +
           body + "\n</plist>\n";
}

// The facts of a removable exFAT card in the disk tool's own terms.
DiskFacts sdCard(const QString& mountPoint = QStringLiteral("/Volumes/CARD")) {
    DiskFacts f;
    f.deviceIdentifier = QStringLiteral("disk4s1");
    f.parentWholeDisk = QStringLiteral("disk4");
    f.mountPoint = mountPoint;
    f.volumeName = QStringLiteral("CARD");
    f.filesystemType = QStringLiteral("exfat");
    f.isRemovable = true;
    f.isEjectable = true;
    return f;
}

DiskFacts startupDisk() {
    DiskFacts f;
    f.deviceIdentifier = QStringLiteral("disk1s1");
    f.parentWholeDisk = QStringLiteral("disk1");
    f.mountPoint = QStringLiteral("/");
    f.isInternal = true;
    f.isOSInternal = true;
    return f;
}

class FormatGuardTest : public ::testing::Test {
protected:
    void SetUp() override { VolumePaths::setMountRoots({QStringLiteral("/Volumes/")}); }
    void TearDown() override { VolumePaths::setMountRoots(VolumePaths::defaultMountRoots()); }

    static std::optional<QString> refusal(const DiskFacts& card,
                                          const std::optional<DiskFacts>& destination = {},
                                          const std::optional<QString>& destinationPath = {},
                                          const QString& expected = "/Volumes/CARD") {
        return FormatGuard::refusal(card, expected, startupDisk(), destination, destinationPath);
    }
};

} // namespace

TEST(DiskFactsPlistTest, ReadsTheKeysTheGuardsNeed) {
    const auto facts = DiskFacts::fromPlist(plist(R"(<dict>
        <key>DeviceIdentifier</key><string>disk4s1</string>
        <key>ParentWholeDisk</key><string>disk4</string>
        <key>MountPoint</key><string>/Volumes/EOS_DIGITAL</string>
        <key>VolumeName</key><string>EOS_DIGITAL</string>
        <key>FilesystemType</key><string>msdos</string>
        <key>FilesystemPersonality</key><string>MS-DOS FAT32</string>
        <key>Internal</key><false/>
        <key>OSInternalMedia</key><false/>
        <key>RemovableMedia</key><true/>
        <key>Ejectable</key><true/>
        <key>RemovableMediaOrExternalDevice</key><true/>
        <key>TotalSize</key><integer>63864569856</integer>
        <key>Partitions</key><array><dict><key>Size</key><integer>1</integer></dict></array>
        <key>Icon</key><data>AAEC</data>
    </dict>)"));
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->deviceIdentifier, "disk4s1");
    EXPECT_EQ(facts->parentWholeDisk, "disk4");
    EXPECT_EQ(facts->mountPoint, "/Volumes/EOS_DIGITAL");
    EXPECT_EQ(facts->volumeName, "EOS_DIGITAL");
    EXPECT_EQ(facts->filesystemType, "msdos");
    EXPECT_EQ(facts->filesystemName, "MS-DOS FAT32"); // the personality stands in for the name
    EXPECT_FALSE(facts->isInternal);
    EXPECT_TRUE(facts->isRemovable);
    EXPECT_TRUE(facts->isEjectable);
    EXPECT_TRUE(facts->isRemovableOrExternal);
    EXPECT_TRUE(facts->isPartitionOrImage());
}

TEST(DiskFactsPlistTest, FlagsAreTrueOnlyForBooleanTrueAndTextsOnlyForStrings) {
    const auto facts = DiskFacts::fromPlist(plist(R"(<dict>
        <key>DeviceIdentifier</key><string>disk4s1</string>
        <key>FilesystemName</key><string>ExFAT</string>
        <key>FilesystemPersonality</key><string>ignored</string>
        <key>VolumeName</key><integer>7</integer>
        <key>Removable</key><string>true</string>
        <key>Ejectable</key><integer>1</integer>
        <key>Internal</key><true/>
    </dict>)"));
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->filesystemName, "ExFAT");
    EXPECT_FALSE(facts->volumeName);
    EXPECT_FALSE(facts->isRemovable);
    EXPECT_FALSE(facts->isEjectable);
    EXPECT_TRUE(facts->isInternal);
}

TEST(DiskFactsPlistTest, RejectsListsWithoutAUsableIdentifierOrThatDoNotParse) {
    EXPECT_FALSE(
        DiskFacts::fromPlist(plist("<dict><key>MountPoint</key><string>/</string></dict>")));
    EXPECT_FALSE(
        DiskFacts::fromPlist(plist("<dict><key>DeviceIdentifier</key><string></string></dict>")));
    EXPECT_FALSE(DiskFacts::fromPlist(
        plist("<dict><key>DeviceIdentifier</key><integer>4</integer></dict>")));
    EXPECT_FALSE(DiskFacts::fromPlist(plist("<array><string>disk4s1</string></array>")));
    EXPECT_FALSE(
        DiskFacts::fromPlist(plist("<dict><key>DeviceIdentifier</key><string>disk4s1</string>")));
    EXPECT_FALSE(DiskFacts::fromPlist(plist(
        "<dict><key>DeviceIdentifier</key><string>disk4s1</string><key>X</key><bogus/></dict>")));
    EXPECT_FALSE(DiskFacts::fromPlist("bplist00\x01\x02"));
    EXPECT_FALSE(DiskFacts::fromPlist({}));
}

TEST(LsblkListingTest, FollowsStackedDevicesToEveryDiskBeneath) {
    // / on LVM spanning two disks; a USB card reader; an SD card; an eMMC chip.
    const auto listing = LsblkListing::parse(R"({"blockdevices": [
      {"kname":"sda","name":"sda","type":"disk","rm":false,"hotplug":false,"tran":"sata",
       "mountpoints":[null],"children":[
        {"kname":"sda1","name":"sda1","type":"part","rm":false,"hotplug":false,"tran":null,
         "mountpoints":["/boot/efi"],"fstype":"vfat","fsver":"FAT32"},
        {"kname":"sda2","name":"sda2","type":"part","rm":false,"hotplug":false,
         "mountpoints":[null],"fstype":"LVM2_member","children":[
          {"kname":"dm-0","name":"vg-root","type":"lvm","mountpoints":["/"],"fstype":"ext4"}]}]},
      {"kname":"sdc","name":"sdc","type":"disk","rm":false,"hotplug":false,"tran":"sata",
       "mountpoints":[null],"children":[
        {"kname":"sdc1","name":"sdc1","type":"part","mountpoints":[null],
         "fstype":"LVM2_member","children":[
          {"kname":"dm-0","name":"vg-root","type":"lvm","mountpoints":["/"],"fstype":"ext4"}]},
        {"kname":"sdc2","name":"sdc2","type":"part","mountpoints":["/media/DATA"],
         "fstype":"ext4"}]},
      {"kname":"sdb","name":"sdb","type":"disk","rm":"1","hotplug":"1","tran":"usb",
       "size":"64000000000","mountpoints":[null],"children":[
        {"kname":"sdb1","name":"sdb1","type":"part","rm":"1","hotplug":"1","size":63999000000,
         "mountpoints":["/media/u/EOS_DIGITAL"],"label":"EOS_DIGITAL","fstype":"vfat",
         "fsver":"FAT32","uuid":"1234-ABCD"}]},
      {"kname":"mmcblk0","name":"mmcblk0","type":"disk","rm":false,"hotplug":false,
       "tran":"mmc","mountpoints":[null],"children":[
        {"kname":"mmcblk0p1","name":"mmcblk0p1","type":"part","mountpoints":["/media/u/X"],
         "fstype":"exfat"}]},
      {"kname":"loop3","name":"loop3","type":"loop","mountpoints":["/media/u/IMG"],
       "fstype":"exfat"}
    ]})");
    ASSERT_TRUE(listing);

    const DiskFacts root = listing->facts(listing->mountedAt("/")->kernelName);
    EXPECT_EQ(root.deviceIdentifier, "dm-0");
    EXPECT_EQ(root.wholeDisks, QStringList({"sda", "sdc"}));
    EXPECT_TRUE(root.isOSInternal);
    EXPECT_TRUE(root.isInternal);
    EXPECT_FALSE(root.isPartitionOrImage());

    // A partition of a disk that carries part of the system is never a card.
    const DiskFacts data = listing->facts("sdc2");
    EXPECT_TRUE(data.isOSInternal);
    EXPECT_TRUE(data.sharesDiskWith(root));
    EXPECT_EQ(listing->facts("sdc1").stackedDevices, QStringList({"dm-0"}));
    EXPECT_FALSE(listing->facts("sdc1").isPartitionOrImage());

    const DiskFacts card = listing->facts("sdb1");
    EXPECT_EQ(card.parentWholeDisk, "sdb");
    EXPECT_EQ(card.mountPoint, "/media/u/EOS_DIGITAL");
    EXPECT_EQ(card.volumeName, "EOS_DIGITAL");
    EXPECT_EQ(card.filesystemType, "vfat");
    EXPECT_EQ(card.filesystemName, "FAT32");
    EXPECT_EQ(card.volumeUUID, "1234-ABCD");
    EXPECT_EQ(card.size, 63999000000);
    EXPECT_TRUE(card.isRemovable);
    EXPECT_TRUE(card.isEjectable);
    EXPECT_FALSE(card.isInternal);
    EXPECT_FALSE(card.isOSInternal);
    EXPECT_TRUE(card.isPartitionOrImage());
    EXPECT_FALSE(card.sharesDiskWith(root));
    EXPECT_FALSE(listing->facts("sdb").isPartitionOrImage()); // the whole disk never passes

    // eMMC: no removable medium, no hot plugging, not a known external bus.
    const DiskFacts emmc = listing->facts("mmcblk0p1");
    EXPECT_FALSE(emmc.isRemovable || emmc.isEjectable || emmc.isRemovableOrExternal);

    const DiskFacts image = listing->facts("loop3");
    EXPECT_TRUE(image.isPartitionOrImage());
    EXPECT_TRUE(image.isEjectable);
    EXPECT_FALSE(image.isRemovable);
    EXPECT_EQ(image.filesystemName, "exFAT");

    EXPECT_EQ(listing->device("/dev/mapper/vg-root")->kernelName, "dm-0");
    EXPECT_EQ(listing->mountedAt("/media/u/EOS_DIGITAL/")->kernelName, "sdb1");
    EXPECT_FALSE(LsblkListing::parse("not json"));
    EXPECT_FALSE(LsblkListing::parse(R"({"devices": []})"));
}

TEST(LsblkListingTest, NamesFatVariantsOnlyWhenTheVersionIsKnown) {
    EXPECT_EQ(LsblkListing::fileSystemName(QString("vfat"), QString("FAT16")), "FAT16");
    EXPECT_EQ(LsblkListing::fileSystemName(QString("vfat"), QString("FAT12")), "FAT12");
    EXPECT_FALSE(LsblkListing::fileSystemName(QString("vfat"), std::nullopt));
    EXPECT_EQ(LsblkListing::fileSystemName(QString("ntfs3"), std::nullopt), "NTFS");
    EXPECT_FALSE(LsblkListing::fileSystemName(QString("ext4"), std::nullopt));
}

TEST(CardFileSystemTest, DetectsExFATAndTheFatVariants) {
    using namespace cardFileSystem;
    EXPECT_EQ(detect(QString("ExFAT"), std::nullopt), CardFileSystem::exFAT);
    EXPECT_EQ(detect(std::nullopt, QString("exfat")), CardFileSystem::exFAT);
    EXPECT_EQ(detect(QString("msdos"), QString("MS-DOS FAT32")), CardFileSystem::fat32);
    EXPECT_EQ(detect(QString("msdos"), std::nullopt), CardFileSystem::fat32);
    EXPECT_EQ(detect(QString("vfat"), QString("FAT16")), CardFileSystem::fat16);
    EXPECT_EQ(detect(std::nullopt, QString("MS-DOS FAT16")), CardFileSystem::fat16);
    EXPECT_FALSE(detect(QString("msdos"), QString("MS-DOS FAT12")));
    EXPECT_FALSE(detect(QString("vfat"), QString("FAT12")));
    EXPECT_FALSE(detect(QString("hfs"), std::nullopt));
    EXPECT_FALSE(detect(std::nullopt, std::nullopt));
}

TEST(CardFileSystemTest, MakesValidVolumeNames) {
    using namespace cardFileSystem;
    EXPECT_EQ(fatName("  Élan: Card/01  "), "LAN CARD01");
    EXPECT_EQ(fatName(""), "UNTITLED");
    EXPECT_EQ(fatName("a.b+c=d[e]"), "ABCDE");
    EXPECT_EQ(fatName("abcdefghijklmnop"), "ABCDEFGHIJK");
    EXPECT_EQ(fatName("ÉÉÉ"), "UNTITLED");
    // exFAT holds 11 UTF-16 units of label; mkfs.exfat refuses a longer one.
    EXPECT_EQ(exFATName("ABCDEFGHIJKLMNOPQRST"), "ABCDEFGHIJK");
    EXPECT_EQ(exFATName(" My \"Card\": 1/2? "), "My Card 12");
    EXPECT_EQ(exFATName("tab\there"), "tabhere");
    EXPECT_EQ(exFATName("**"), "Untitled");
    EXPECT_EQ(exFATName("Ünïcödé Kärtë"), "Ünïcödé Kär");
    // A cut never leaves half a character behind.
    EXPECT_EQ(exFATName("ABCDEFGHIJ🎥"), "ABCDEFGHIJ");
    EXPECT_EQ(exFATName("abcdefghij x"), "abcdefghij");
}

TEST(CardFileSystemTest, EraseCommandsNameTheDeviceLast) {
    using namespace cardFileSystem;
    EXPECT_EQ(eraseProgram(CardFileSystem::exFAT), "mkfs.exfat");
    EXPECT_EQ(eraseArguments(CardFileSystem::exFAT, "MY CARD", "/dev/sdb1"),
              QStringList({"-L", "MY CARD", "/dev/sdb1"}));
    EXPECT_EQ(eraseProgram(CardFileSystem::fat16), "mkfs.fat");
    EXPECT_EQ(eraseArguments(CardFileSystem::fat32, "EOS", "/dev/mmcblk0p1"),
              QStringList({"-F", "32", "-n", "EOS", "/dev/mmcblk0p1"}));
    EXPECT_EQ(eraseArguments(CardFileSystem::fat16, "EOS", "/dev/sdb1"),
              QStringList({"-F", "16", "-n", "EOS", "/dev/sdb1"}));
    EXPECT_EQ(formatName(CardFileSystem::exFAT), "ExFAT");
    EXPECT_EQ(formatName(CardFileSystem::fat32), "MS-DOS FAT32");
    EXPECT_EQ(formatName(CardFileSystem::fat16), "MS-DOS FAT16");
}

TEST_F(FormatGuardTest, AcceptsARemovableCard) {
    EXPECT_EQ(refusal(sdCard()), std::nullopt);
    // A trailing "/" on the reported mount point still matches.
    EXPECT_EQ(refusal(sdCard("/Volumes/CARD/")), std::nullopt);
}

TEST_F(FormatGuardTest, RefusesACardThatMovedOrIsNotACard) {
    EXPECT_EQ(refusal(sdCard(), {}, {}, "/Volumes/CARD 1"), FormatGuard::locationChanged());
    DiskFacts noMount = sdCard();
    noMount.mountPoint.reset();
    EXPECT_EQ(refusal(noMount), FormatGuard::locationChanged());
    noMount.mountPoint = QString();
    EXPECT_EQ(refusal(noMount), FormatGuard::locationChanged());

    DiskFacts twice = sdCard();
    twice.mountPoints = {"/Volumes/CARD", "/Volumes/CARD-bind"};
    EXPECT_EQ(refusal(twice), FormatGuard::mountedTwice());

    EXPECT_EQ(refusal(sdCard("/mnt/CARD"), {}, {}, "/mnt/CARD"), FormatGuard::onlyMemoryCards());
    EXPECT_EQ(refusal(sdCard("/"), {}, {}, "/"), FormatGuard::onlyMemoryCards());

    DiskFacts wholeDisk = sdCard();
    wholeDisk.deviceIdentifier = "disk4";
    EXPECT_EQ(refusal(wholeDisk), FormatGuard::onlyMemoryCards());
}

TEST_F(FormatGuardTest, LinuxDeviceKindsPassOnlyAsPartitionsOrImages) {
    DiskFacts card = sdCard();
    card.deviceIdentifier = "sdb1";
    card.wholeDisks = {"sdb"};
    for (const char* kind : {"part", "loop"}) {
        card.deviceKind = QString(kind);
        EXPECT_EQ(refusal(card), std::nullopt) << kind;
    }
    for (const char* kind : {"disk", "lvm", "crypt", "raid1", "rom", "md"}) {
        card.deviceKind = QString(kind);
        EXPECT_EQ(refusal(card), FormatGuard::onlyMemoryCards()) << kind;
    }
    card.deviceKind = "part";
    card.stackedDevices = {"dm-3"};
    EXPECT_EQ(refusal(card), FormatGuard::onlyMemoryCards());
    card.stackedDevices.clear();
    card.wholeDisks.clear(); // an unknown disk never passes
    EXPECT_EQ(refusal(card), FormatGuard::onlyMemoryCards());
}

TEST_F(FormatGuardTest, RefusesTheComputersOwnDisks) {
    DiskFacts internal = sdCard();
    internal.parentWholeDisk = "disk1"; // a volume of the startup disk
    EXPECT_EQ(refusal(internal), FormatGuard::startupDisk());

    DiskFacts system = sdCard();
    system.isOSInternal = true;
    EXPECT_EQ(refusal(system), FormatGuard::partOfComputer());

    DiskFacts fixed = sdCard();
    fixed.isRemovable = fixed.isEjectable = false;
    EXPECT_EQ(refusal(fixed), FormatGuard::onlyRemovable());
    fixed.isRemovableOrExternal = true;
    EXPECT_EQ(refusal(fixed), std::nullopt); // an external drive
    fixed.isInternal = true;
    EXPECT_EQ(refusal(fixed), FormatGuard::partOfComputer());

    // A removable card skips both tests, whatever else it says.
    DiskFacts removable = sdCard();
    removable.isInternal = true;
    removable.isEjectable = false;
    EXPECT_EQ(refusal(removable), std::nullopt);
}

TEST_F(FormatGuardTest, RefusesWhenTheDestinationIsOnTheCardOrItsDrive) {
    EXPECT_EQ(refusal(sdCard(), {}, QString("/Volumes/CARD/Backup")),
              FormatGuard::destinationOnCard());
    EXPECT_EQ(refusal(sdCard(), {}, QString("/Volumes/CARD/x/../")),
              FormatGuard::destinationOnCard());
    EXPECT_EQ(refusal(sdCard(), {}, QString("/Volumes/CARDS/Backup")), std::nullopt);

    DiskFacts otherDrive = sdCard("/Volumes/SSD");
    otherDrive.deviceIdentifier = "disk7s2";
    otherDrive.parentWholeDisk = "disk7";
    EXPECT_EQ(refusal(sdCard(), otherDrive, QString("/Volumes/SSD/Footage")), std::nullopt);

    DiskFacts secondPartition = otherDrive;
    secondPartition.deviceIdentifier = "disk4s2";
    secondPartition.parentWholeDisk = "disk4";
    EXPECT_EQ(refusal(sdCard(), secondPartition), FormatGuard::destinationOnSameDrive());
    EXPECT_EQ(refusal(sdCard(), sdCard()), FormatGuard::destinationOnCard());
}
