#include "FakeMachine.h"
#include "Printers.h"
#include "support/TestSupport.h"

#include "devices/CardEject.h"
#include "devices/CardFormatter.h"
#include "devices/FormatGuard.h"
#include "devices/VolumePaths.h"
#include "devices/linux/LinuxDiskTool.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace stowly;
using test::FakeDevice;
using test::FakeMachine;

namespace {

class CardFormatterTest : public ::testing::Test {
protected:
    void SetUp() override {
        media = tmp("media");
        cardPath = media + "/CARD";
        QDir().mkpath(cardPath);
        VolumePaths::setMountRoots({media + '/'});
        machine = FakeMachine::withCard(cardPath);
        machine.udisksMountRoot = media + "/user";
        paths.udisksRuntime = tmp("udisks2-not-running");
        paths.mountInfo = tmp("mountinfo");
        card = {cardPath, "CARD", QString("ABCD-1234")};
    }
    void TearDown() override { VolumePaths::setMountRoots(VolumePaths::defaultMountRoots()); }

    FormatOutcome format(const std::optional<QString>& destinationPath = {},
                         const std::optional<QString>& destinationVolume = {}, bool ready = true) {
        CardFormatter formatter(std::make_unique<LinuxDiskTool>(machine, paths));
        return formatter.format(card, destinationPath, destinationVolume, [&] {
            ++readyChecks;
            return ready;
        });
    }
    FakeDevice& sdb1() { return *machine.device("sdb1"); }
    bool touchedTheCard() const {
        return machine.count("umount") + machine.count("mkfs.exfat") + machine.count("mkfs.fat") >
               0;
    }

    test::TempDir tmp;
    QString media;
    QString cardPath;
    FakeMachine machine;
    LinuxPaths paths;
    CardVolume card;
    int readyChecks = 0;
};

} // namespace

TEST_F(CardFormatterTest, ErasesAnExFATCardAndMountsItAgain) {
    const FormatOutcome outcome = format();
    EXPECT_EQ(outcome, FormatOutcome::formatted("CARD", cardPath))
        << outcome.description().toStdString();
    EXPECT_EQ(readyChecks, 1);
    // Unmount, check it is still the card, erase, mount: in that order and nothing else.
    QStringList changes;
    for (const QString& c : machine.commands)
        if (!c.startsWith("lsblk") && !c.startsWith("blkid"))
            changes.append(c);
    EXPECT_EQ(changes, QStringList({"umount " + cardPath, "mkfs.exfat -L CARD /dev/sdb1",
                                    "mount -t exfat /dev/sdb1 " + cardPath}));
    EXPECT_NE(sdb1().uuid, "ABCD-1234");
}

TEST_F(CardFormatterTest, ErasesAFatCardUnderAValidNewNameInANewFolder) {
    sdb1().fsType = "vfat";
    sdb1().fsVersion = "FAT32";
    sdb1().label = "eos:digital";
    const FormatOutcome outcome = format();
    const QString newMount = media + "/EOSDIGITAL";
    EXPECT_EQ(outcome, FormatOutcome::formatted("EOSDIGITAL", newMount));
    EXPECT_TRUE(machine.ran("mkfs.fat -F 32 -n EOSDIGITAL /dev/sdb1"));
    EXPECT_TRUE(machine.ran("mount -t vfat /dev/sdb1 " + newMount));
    EXPECT_TRUE(QFileInfo(newMount).isDir());
    EXPECT_FALSE(QFileInfo::exists(cardPath)); // the empty old mount folder is gone

    sdb1().fsVersion = "FAT16";
    card.url = newMount;
    machine.commands.clear();
    EXPECT_TRUE(format().isFormatted());
    EXPECT_TRUE(machine.ran("mkfs.fat -F 16 -n EOSDIGITAL /dev/sdb1"));
}

TEST_F(CardFormatterTest, KeepsTheOldFolderWhenTheNewNameIsTakenOrNoPlainName) {
    QDir().mkpath(media + "/NEW");
    sdb1().label = "NEW";
    EXPECT_EQ(format(), FormatOutcome::formatted("NEW", cardPath));

    sdb1().label = "..";
    EXPECT_EQ(format(), FormatOutcome::formatted("..", cardPath));
    EXPECT_TRUE(QFileInfo(media + "/NEW").isDir());
}

TEST_F(CardFormatterTest, ProbesTheDeviceWhereUdevDoesNotRun) {
    machine.udevRuns = false;
    EXPECT_EQ(format(), FormatOutcome::formatted("CARD", cardPath));
    EXPECT_TRUE(machine.ran("blkid -p -o udev /dev/sdb1"));
}

TEST_F(CardFormatterTest, MountsExFATThroughFuseWithoutAKernelDriver) {
    machine.kernelFileSystems = {"vfat"};
    EXPECT_EQ(format(), FormatOutcome::formatted("CARD", cardPath));
    EXPECT_TRUE(machine.ran("mount.exfat-fuse /dev/sdb1 " + cardPath));
}

TEST_F(CardFormatterTest, UsesUdisksWhereItRuns) {
    QDir().mkpath(paths.udisksRuntime);
    machine.programs.append("udisksctl");
    const FormatOutcome outcome = format();
    EXPECT_EQ(outcome, FormatOutcome::formatted("CARD", media + "/user/CARD"));
    EXPECT_TRUE(machine.ran("udisksctl unmount --block-device /dev/sdb1 --no-user-interaction"));
    EXPECT_TRUE(machine.ran("udisksctl mount --block-device /dev/sdb1 --no-user-interaction"));
    EXPECT_EQ(machine.count("umount"), 0);
    EXPECT_EQ(machine.count("mount"), 0);
}

TEST_F(CardFormatterTest, RefusesWhenFactsCannotBeRead) {
    machine.scripted["lsblk"] = {CommandResult::notRun("no lsblk")};
    EXPECT_EQ(format(), FormatOutcome::refused("Stowly couldn’t read information about CARD."));

    card.url = media + "/OTHER"; // not a mount point
    EXPECT_EQ(format(), FormatOutcome::refused("Stowly couldn’t read information about CARD."));
    card.url = cardPath;

    machine.device("vda1")->mountPoints.clear(); // nothing says where the system lives
    EXPECT_EQ(format(),
              FormatOutcome::refused("Stowly couldn’t check your startup disk, so it won’t format "
                                     "anything."));
    EXPECT_EQ(readyChecks, 0);
    EXPECT_FALSE(touchedTheCard());
}

TEST_F(CardFormatterTest, RefusesDevicesThatAreNotCards) {
    // A partition of the startup disk mounted among the cards.
    machine.devices.append({.name = "vda3",
                            .parent = "vda",
                            .mountPoints = {media + "/DATA"},
                            .fsType = "exfat",
                            .uuid = "X"});
    card = {media + "/DATA", "DATA", {}};
    EXPECT_EQ(format(), FormatOutcome::refused(FormatGuard::startupDisk()));

    // A fixed internal disk.
    machine.devices.append({.name = "sdc", .type = "disk", .transport = "sata"});
    machine.devices.append({.name = "sdc1",
                            .parent = "sdc",
                            .mountPoints = {media + "/HDD"},
                            .fsType = "exfat",
                            .uuid = "Y"});
    card = {media + "/HDD", "HDD", {}};
    EXPECT_EQ(format(), FormatOutcome::refused(FormatGuard::onlyRemovable()));

    // A removable disk with swap on another partition holds part of the system.
    machine.devices.append({.name = "sdb2", .parent = "sdb", .swap = true, .fsType = "swap"});
    card = {cardPath, "CARD", {}};
    EXPECT_EQ(format(), FormatOutcome::refused(FormatGuard::partOfComputer()));
    machine.devices.removeLast();

    // A whole card formatted without partitions is a whole disk: never erased.
    machine.devices.removeIf([](const FakeDevice& d) { return d.name == "sdb1"; });
    machine.device("sdb")->mountPoints = {cardPath};
    machine.device("sdb")->fsType = "exfat";
    EXPECT_EQ(format(), FormatOutcome::refused(FormatGuard::onlyMemoryCards()));
    EXPECT_EQ(readyChecks, 0);
    EXPECT_FALSE(touchedTheCard());
}

TEST_F(CardFormatterTest, RefusesWhenTheDestinationIsOnTheCardOrItsDrive) {
    EXPECT_EQ(format(cardPath + "/Backup"),
              FormatOutcome::refused(FormatGuard::destinationOnCard()));

    // Reached through a link, the folder is on the card all the same.
    QDir().mkpath(cardPath + "/Backup");
    QFile::link(cardPath + "/Backup", tmp("link"));
    EXPECT_EQ(format(tmp("link")), FormatOutcome::refused(FormatGuard::destinationOnCard()));

    machine.devices.append({.name = "sdb2",
                            .parent = "sdb",
                            .mountPoints = {media + "/SPARE"},
                            .fsType = "exfat",
                            .uuid = "Z"});
    EXPECT_EQ(format(media + "/SPARE/Footage", media + "/SPARE"),
              FormatOutcome::refused(FormatGuard::destinationOnSameDrive()));

    // Without the volume, the tool finds it from the mount table.
    test::writeFile(paths.mountInfo,
                    ("40 26 8:18 / " + media + "/SPARE rw - exfat /dev/sdb2 rw\n").toUtf8());
    EXPECT_EQ(format(media + "/SPARE/Footage"),
              FormatOutcome::refused(FormatGuard::destinationOnSameDrive()));
    EXPECT_FALSE(touchedTheCard());

    // A destination on another drive is fine.
    EXPECT_TRUE(format(tmp("Footage")).isFormatted());
}

TEST_F(CardFormatterTest, RefusesFileSystemsItDoesNotWrite) {
    sdb1().fsType = "ntfs";
    EXPECT_EQ(format(), FormatOutcome::refused("CARD uses NTFS. Stowly formats exFAT and FAT32 "
                                               "cards only — format it in your camera instead."));
    sdb1().fsType = "vfat";
    sdb1().fsVersion = "FAT12";
    EXPECT_EQ(format(), FormatOutcome::refused("CARD uses FAT12. Stowly formats exFAT and FAT32 "
                                               "cards only — format it in your camera instead."));
    sdb1().fsType = "ext4";
    EXPECT_EQ(format(), FormatOutcome::refused("CARD uses ext4. Stowly formats exFAT and FAT32 "
                                               "cards only — format it in your camera instead."));
    sdb1().fsType.clear();
    machine.udevRuns = false; // and blkid finds nothing either
    EXPECT_EQ(format(), FormatOutcome::refused("CARD uses this format. Stowly formats exFAT and "
                                               "FAT32 cards only — format it in your camera "
                                               "instead."));
    EXPECT_EQ(readyChecks, 0);
    EXPECT_FALSE(touchedTheCard());
}

TEST_F(CardFormatterTest, RefusesWhenTheCardChangedSinceItsLastScan) {
    EXPECT_EQ(format({}, {}, false),
              FormatOutcome::refused(
                  "Something on CARD changed and isn’t offloaded yet, so it wasn’t formatted."));
    EXPECT_FALSE(touchedTheCard());
}

TEST_F(CardFormatterTest, NeverErasesADeviceThatIsNoLongerTheCard) {
    // Pulled and another card put in under the same device name while the check ran.
    machine.afterUnmount = [](FakeMachine& m) { m.device("sdb1")->uuid = "9999-0000"; };
    EXPECT_EQ(format(), FormatOutcome::refused(FormatGuard::locationChanged()));
    EXPECT_EQ(machine.count("mkfs.exfat"), 0);
    // Left unmounted: the message asks for the card to be put in again.
    EXPECT_TRUE(sdb1().mountPoints.isEmpty());

    sdb1().mountPoints = {cardPath};
    sdb1().uuid = "ABCD-1234";
    machine.afterUnmount = [](FakeMachine& m) { m.device("sdb1")->size = 1; };
    EXPECT_EQ(format(), FormatOutcome::refused(FormatGuard::locationChanged()));
    EXPECT_EQ(machine.count("mkfs.exfat"), 0);
}

TEST_F(CardFormatterTest, ReportsToolFailuresInWholeSentences) {
    machine.scripted["umount"] = {
        CommandResult::finished(32, {}, "umount: " + cardPath + ": target is busy.\n")};
    EXPECT_EQ(format(), FormatOutcome::failed("Couldn’t unmount CARD: umount: " + cardPath +
                                              ": target is busy."));
    machine.scripted["umount"] = {CommandResult::finished(32)};
    EXPECT_EQ(format(), FormatOutcome::failed("Couldn’t unmount CARD."));
    machine.scripted["umount"] = {CommandResult::notRun("No such file.")};
    EXPECT_EQ(format(), FormatOutcome::failed("Couldn’t run umount: No such file."));
    EXPECT_EQ(machine.count("mkfs.exfat"), 0);

    machine.programs.removeAll("mkfs.exfat");
    EXPECT_EQ(format(),
              FormatOutcome::failed("Couldn’t run mkfs.exfat: The program wasn’t found."));
    EXPECT_EQ(sdb1().mountPoints, QStringList({cardPath})); // mounted again as it was
    machine.programs.append("mkfs.exfat");

    machine.scripted["mkfs.exfat"] = {CommandResult::finished(1, {}, " \n")};
    EXPECT_EQ(format(), FormatOutcome::failed("mkfs.exfat couldn’t format CARD."));
    machine.scripted["mkfs.exfat"] = {CommandResult::finished(1, {}, "input string is too long\n")};
    EXPECT_EQ(format(), FormatOutcome::failed("input string is too long"));
    EXPECT_EQ(sdb1().mountPoints, QStringList({cardPath}));
}

TEST_F(CardFormatterTest, AFailedMountAfterTheEraseStillCountsAsFormatted) {
    machine.scripted["mount"] = {CommandResult::finished(32, {}, "mount: failed")};
    machine.programs.removeAll("mount.exfat-fuse");
    EXPECT_EQ(format(), FormatOutcome::formatted("CARD", std::nullopt));
    EXPECT_EQ(sdb1().label, "CARD");
}

TEST_F(CardFormatterTest, EjectUnmountsEveryVolumeOfTheDiskThenPowersItOff) {
    machine.devices.append(
        {.name = "sdb2", .parent = "sdb", .mountPoints = {media + "/B"}, .fsType = "exfat"});
    machine.programs.append("eject");
    LinuxDiskTool tool(machine, paths);
    EXPECT_EQ(tool.eject(cardPath), std::nullopt);
    EXPECT_TRUE(sdb1().mountPoints.isEmpty());
    EXPECT_TRUE(machine.device("sdb2")->mountPoints.isEmpty());
    EXPECT_EQ(machine.commands.last(), "eject /dev/sdb");

    EXPECT_EQ(tool.eject(cardPath), "It isn’t mounted any more.");
}

TEST_F(CardFormatterTest, EjectFailsOnlyWhenAVolumeStaysMounted) {
    LinuxDiskTool tool(machine, paths);
    machine.scripted["umount"] = {CommandResult::finished(32, {}, "umount: target is busy.")};
    EXPECT_EQ(tool.eject(cardPath), "umount: target is busy.");
    EXPECT_EQ(machine.count("eject"), 0);

    // Without a tool to power it off, an unmounted card is safe to pull: success.
    EXPECT_EQ(tool.eject(cardPath), std::nullopt);

    machine.devices.append(
        {.name = "loop2", .type = "loop", .mountPoints = {media + "/IMG"}, .fsType = "exfat"});
    EXPECT_EQ(tool.eject(media + "/IMG"), std::nullopt);
    EXPECT_EQ(machine.commands.last(), "losetup --detach /dev/loop2");

    machine.devices.append({.name = "vda3", .parent = "vda", .mountPoints = {media + "/SYS"}});
    EXPECT_EQ(tool.eject(media + "/SYS"), "It’s on your startup disk.");

    QDir().mkpath(paths.udisksRuntime);
    machine.programs.append("udisksctl");
    sdb1().mountPoints = {cardPath};
    EXPECT_EQ(tool.eject(cardPath), std::nullopt);
    EXPECT_TRUE(machine.ran("udisksctl unmount --block-device /dev/sdb1"));
    EXPECT_EQ(machine.commands.last(),
              "udisksctl power-off --block-device /dev/sdb --no-user-interaction");
}

TEST_F(CardFormatterTest, EjectDiskUsesThePlatformTool) {
    EXPECT_EQ(CardEject::ejectDisk(card, machine), std::nullopt);
    EXPECT_TRUE(machine.ran("umount " + cardPath));
    EXPECT_EQ(CardEject::ejectDisk(card, machine), "It isn’t mounted any more.");
}
