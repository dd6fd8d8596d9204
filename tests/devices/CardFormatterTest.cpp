#include "FakeMachine.h"
#include "Printers.h"
#include "support/TestSupport.h"

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

const QString unsupported =
    " Stowly formats exFAT and FAT32 cards only — format it in your camera instead.";

class CardFormatterTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir().mkpath(cardPath);
        VolumePaths::setMountRoots({media + '/'});
        paths.mountInfo = tmp("mountinfo");
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
    // Nothing was unmounted or erased.
    bool untouched() const {
        return machine.count("umount") + machine.count("mkfs.exfat") + machine.count("mkfs.fat") ==
               0;
    }

    test::TempDir tmp;
    QString media = tmp("media");
    QString cardPath = media + "/CARD";
    FakeMachine machine = FakeMachine::withCard(cardPath);
    LinuxPaths paths;
    CardVolume card{cardPath, "CARD", QString("ABCD-1234")};
    int readyChecks = 0;
};

} // namespace

TEST_F(CardFormatterTest, ErasesACardAndMountsItAgain) {
    EXPECT_EQ(format(), FormatOutcome::formatted("CARD", cardPath));
    EXPECT_EQ(readyChecks, 1);
    QStringList changes = machine.commands;
    changes.removeIf(
        [](const QString& c) { return c.startsWith("lsblk") || c.startsWith("blkid"); });
    EXPECT_EQ(changes, QStringList({"umount " + cardPath, "mkfs.exfat -L CARD /dev/sdb1",
                                    "mount -t exfat -o ro /dev/sdb1 " + cardPath}));
    EXPECT_NE(sdb1().uuid, "ABCD-1234");

    // A FAT card gets a valid FAT name, and a mount folder named after it.
    sdb1().fsType = "vfat";
    sdb1().fsVersion = "FAT16";
    card.name = sdb1().label = "eos:digital";
    EXPECT_EQ(format(), FormatOutcome::formatted("EOSDIGITAL", media + "/EOSDIGITAL"));
    EXPECT_TRUE(machine.ran("mkfs.fat -F 16 -n EOSDIGITAL /dev/sdb1"));
    EXPECT_TRUE(machine.ran("mount -t vfat -o ro /dev/sdb1 " + media + "/EOSDIGITAL"));
    EXPECT_FALSE(QFileInfo::exists(cardPath)); // the empty old folder is gone

    // The old folder stays where the new name is no free plain name.
    card.url = cardPath = media + "/EOSDIGITAL";
    sdb1().fsType = "exfat";
    QDir().mkpath(media + "/NEW");
    card.name = "NEW";
    EXPECT_EQ(format(), FormatOutcome::formatted("NEW", cardPath));
    card.name = "..";
    EXPECT_EQ(format(), FormatOutcome::formatted("..", cardPath));
}

// udev ran while another card was in this reader, and stopped; its database names that card.
TEST_F(CardFormatterTest, WhereUdevLeftItsDatabaseBehindEveryFactComesFromTheDevice) {
    paths.udevControl = tmp("run/udev/control"); // nothing answers there
    machine.udevLeftovers.insert(
        "sdb1", {.fsType = "vfat", .fsVersion = "FAT32", .label = "NAMES8", .uuid = "1111-2222"});
    card.name = sdb1().label = "A7SIII";
    CardFormatter formatter(std::make_unique<LinuxDiskTool>(machine, paths));
    const std::optional<DiskFacts> facts = formatter.facts(cardPath);
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->volumeName, "A7SIII");
    EXPECT_EQ(format(), FormatOutcome::formatted("A7SIII", media + "/A7SIII"));
    EXPECT_TRUE(machine.ran("mkfs.exfat -L A7SIII /dev/sdb1"));

    // The erase keeps the name the user saw and agreed to, whatever the card calls itself now.
    card.url = media + "/A7SIII";
    sdb1().label = "RELABELLED";
    EXPECT_EQ(format(), FormatOutcome::formatted("A7SIII", media + "/A7SIII"));
}

TEST_F(CardFormatterTest, WorksWithoutUdevAndWithoutAKernelExFATDriver) {
    machine.udevRuns = false;
    machine.kernelFileSystems = {"vfat"};
    EXPECT_EQ(format(), FormatOutcome::formatted("CARD", cardPath));
    EXPECT_TRUE(machine.ran("blkid -p -o udev /dev/sdb1"));
    EXPECT_TRUE(machine.ran("mount.exfat-fuse -o ro /dev/sdb1 " + cardPath));
}

TEST_F(CardFormatterTest, RefusesWhenFactsCannotBeRead) {
    machine.scripted["lsblk"] = {CommandResult::notRun("no lsblk")};
    EXPECT_EQ(format(), FormatOutcome::refused("Stowly couldn’t read information about CARD."));
    card.url = media + "/OTHER"; // not mounted
    EXPECT_EQ(format(), FormatOutcome::refused("Stowly couldn’t read information about CARD."));
    card.url = cardPath;
    machine.device("vda1")->mountPoints.clear();
    EXPECT_EQ(format(), FormatOutcome::refused("Stowly couldn’t check your startup disk, so it "
                                               "won’t format anything."));
    EXPECT_EQ(readyChecks, 0);
    EXPECT_TRUE(untouched());
}

TEST_F(CardFormatterTest, RefusesDevicesThatAreNotCards) {
    machine.devices.append(
        {.name = "vda3", .parent = "vda", .mountPoints = {media + "/DATA"}, .fsType = "exfat"});
    card.url = media + "/DATA";
    EXPECT_EQ(format(), FormatOutcome::refused(FormatGuard::startupDisk()));

    machine.devices.append({.name = "sdc", .type = "disk", .transport = "sata"});
    machine.devices.append(
        {.name = "sdc1", .parent = "sdc", .mountPoints = {media + "/HDD"}, .fsType = "exfat"});
    card.url = media + "/HDD";
    EXPECT_EQ(format(), FormatOutcome::refused(FormatGuard::onlyRemovable()));

    // Swap on another partition makes the whole card reader's disk part of the system.
    machine.devices.append({.name = "sdb2", .parent = "sdb", .swap = true});
    card.url = cardPath;
    EXPECT_EQ(format(), FormatOutcome::refused(FormatGuard::partOfComputer()));
    EXPECT_TRUE(untouched());
}

TEST_F(CardFormatterTest, RefusesWhenTheDestinationIsOnTheCardOrItsDrive) {
    EXPECT_EQ(format(cardPath + "/Backup"),
              FormatOutcome::refused(FormatGuard::destinationOnCard()));
    QDir().mkpath(cardPath + "/Backup");
    QFile::link(cardPath + "/Backup", tmp("link")); // through a link it is on the card too
    EXPECT_EQ(format(tmp("link")), FormatOutcome::refused(FormatGuard::destinationOnCard()));

    machine.devices.append({.name = "sdb2", .parent = "sdb", .mountPoints = {media + "/SPARE"}});
    EXPECT_EQ(format(media + "/SPARE/Footage", media + "/SPARE"),
              FormatOutcome::refused(FormatGuard::destinationOnSameDrive()));
    // Without the volume given, the mount table tells which one holds the folder.
    test::writeFile(paths.mountInfo,
                    ("40 26 8:18 / " + media + "/SPARE rw - exfat /dev/sdb2 rw\n").toUtf8());
    EXPECT_EQ(format(media + "/SPARE/Footage"),
              FormatOutcome::refused(FormatGuard::destinationOnSameDrive()));
    EXPECT_TRUE(untouched());
    EXPECT_TRUE(format(tmp("Footage")).isFormatted());
}

TEST_F(CardFormatterTest, RefusesFileSystemsItDoesNotWriteAndCardsThatChanged) {
    sdb1().fsType = "ntfs";
    EXPECT_EQ(format(), FormatOutcome::refused("CARD uses NTFS." + unsupported));
    sdb1().fsType = "vfat";
    sdb1().fsVersion = "FAT12";
    EXPECT_EQ(format(), FormatOutcome::refused("CARD uses FAT12." + unsupported));
    sdb1().fsType.clear();
    machine.udevRuns = false; // blkid finds nothing either
    EXPECT_EQ(format(), FormatOutcome::refused("CARD uses this format." + unsupported));
    EXPECT_EQ(readyChecks, 0);

    sdb1().fsType = "exfat";
    EXPECT_EQ(format({}, {}, false),
              FormatOutcome::refused(
                  "Something on CARD changed and isn’t offloaded yet, so it wasn’t formatted."));
    EXPECT_TRUE(untouched());
}

TEST_F(CardFormatterTest, NeverErasesADeviceThatIsNoLongerTheCard) {
    // Swapped for another card under the same device name while it was being unmounted.
    machine.afterUnmount = [](FakeMachine& m) { m.device("sdb1")->uuid = "9999-0000"; };
    EXPECT_EQ(format(), FormatOutcome::refused(FormatGuard::locationChanged()));
    EXPECT_TRUE(sdb1().mountPoints.isEmpty()); // left for the user to put in again
    sdb1().mountPoints = {cardPath};
    sdb1().uuid = "ABCD-1234";
    machine.afterUnmount = [](FakeMachine& m) { m.device("sdb1")->size = 1; };
    EXPECT_EQ(format(), FormatOutcome::refused(FormatGuard::locationChanged()));
    EXPECT_EQ(machine.count("mkfs.exfat"), 0);
}

TEST_F(CardFormatterTest, ReportsToolFailuresAndMountsAnUnerasedCardAgain) {
    machine.scripted["umount"] = {CommandResult::finished(32, {}, "umount: target is busy.\n"),
                                  CommandResult::notRun("No such file.")};
    EXPECT_EQ(format(), FormatOutcome::failed("Couldn’t unmount CARD: umount: target is busy."));
    EXPECT_EQ(format(), FormatOutcome::failed("Couldn’t unmount CARD: No such file."));
    EXPECT_EQ(machine.count("mkfs.exfat"), 0);

    machine.scripted["mkfs.exfat"] = {CommandResult::finished(1, {}, " \n"),
                                      CommandResult::finished(1, {}, "input string is too long\n")};
    EXPECT_EQ(format(), FormatOutcome::failed("mkfs.exfat couldn’t format CARD."));
    EXPECT_EQ(sdb1().mountPoints, QStringList({cardPath})); // mounted again as it was
    EXPECT_EQ(format(), FormatOutcome::failed("input string is too long"));

    // Erased but not mounted again: formatted, without a mount point.
    machine.scripted["mount"] = {CommandResult::finished(32)};
    machine.scripted["mount.exfat-fuse"] = {CommandResult::finished(1)};
    EXPECT_EQ(format(), FormatOutcome::formatted(
                            "CARD", std::nullopt,
                            "“CARD” was formatted but couldn’t be mounted again. Take it "
                            "out and put it back in to use it."));
}

TEST_F(CardFormatterTest, EjectsEveryVolumeOfTheDisk) {
    machine.devices.append({.name = "sdb2", .parent = "sdb", .mountPoints = {media + "/B"}});
    machine.programs.append("eject");
    LinuxDiskTool tool(machine, paths);
    EXPECT_EQ(tool.eject(cardPath), std::nullopt);
    EXPECT_TRUE(sdb1().mountPoints.isEmpty() && machine.device("sdb2")->mountPoints.isEmpty());
    EXPECT_EQ(machine.commands.last(), "eject /dev/sdb");
    EXPECT_EQ(tool.eject(cardPath), "It isn’t mounted any more.");

    // Unmounted is safe to pull: no tool to power off is no failure; a busy volume is.
    machine.programs.removeAll("eject");
    sdb1().mountPoints = {cardPath};
    machine.scripted["umount"] = {CommandResult::finished(32, {}, "umount: target is busy.")};
    EXPECT_EQ(tool.eject(cardPath), "umount: target is busy.");
    EXPECT_EQ(tool.eject(cardPath), std::nullopt);

    machine.devices.append({.name = "loop2", .type = "loop", .mountPoints = {media + "/IMG"}});
    EXPECT_EQ(tool.eject(media + "/IMG"), std::nullopt);
    EXPECT_EQ(machine.commands.last(), "losetup --detach /dev/loop2");
    machine.devices.append({.name = "vda3", .parent = "vda", .mountPoints = {media + "/SYS"}});
    EXPECT_EQ(tool.eject(media + "/SYS"), "It’s on your startup disk.");
}
