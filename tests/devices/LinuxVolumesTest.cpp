#include "FakeMachine.h"
#include "FakeTree.h"
#include "Printers.h"

#include "devices/VolumeInfo.h"
#include "devices/VolumeTraits.h"
#include "devices/linux/LinuxMountEvents.h"
#include "devices/linux/LinuxVolumeFacts.h"
#include "devices/linux/MountTable.h"


#include <gtest/gtest.h>

using namespace stowly;
using test::FakeTree;

namespace {

const QString usbPort = "pci0000:00/0000:00:14.0/usb2/2-1";
const QString usbHost = usbPort + "/2-1:1.0/host6/target6:0:0/6:0:0:0";
const QString sataHost = "pci0000:00/0000:00:17.0/ata3/host2/target2:0:0/2:0:0:0";
const QString sdHost = "pci0000:00/0000:00:1c.0/mmc_host/mmc0/mmc0:aaaa";

QByteArray mount(int id, const QString& majorMinor, const QString& point, const QString& type,
                 const QString& source, const QString& options = "rw,relatime") {
    return QString("%1 1 %2 / %3 %4 shared:%1 - %5 %6 rw\n")
        .arg(id)
        .arg(majorMinor, point, options, type, source)
        .toUtf8();
}

class LinuxVolumesTest : public ::testing::Test {
protected:
    LinuxVolumeFacts facts() { return LinuxVolumeFacts(tree.paths, runner); }

    test::TempDir dir;
    FakeTree tree{dir};
    std::shared_ptr<test::FakeMachine> runner = std::make_shared<test::FakeMachine>();
};

} // namespace

TEST(MountTableTest, ParsesLinesWithEscapesAndOptionalFields) {
    const QList<MountEntry> entries = MountTable::parse(
        "26 1 254:0 / / rw,relatime - ext4 /dev/vda rw,discard\n"
        "44 26 7:0 / /media/u/MY\\040CARD\\011x\\134y rw,nosuid master:3 shared:9 - fuseblk "
        "/dev/loop0 ro,user_id=0\n"
        "garbage line\n"
        "45 26 0:50 / /mnt/nfs rw - nfs4\n" // no source field: not a whole line
        "\n");
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[1].id, 44);
    EXPECT_EQ(entries[1].parentId, 26);
    EXPECT_EQ(entries[1].majorMinor, "7:0");
    EXPECT_EQ(entries[1].mountPoint, "/media/u/MY CARD\tx\\y");
    EXPECT_EQ(entries[1].fsType, "fuseblk");
    EXPECT_EQ(entries[1].source, "/dev/loop0");
    EXPECT_TRUE(entries[1].isReadOnly()); // read-only through the super block options
    EXPECT_FALSE(entries[0].isReadOnly());
}

TEST(MountTableTest, FindsTheTopmostMountAndTheVolumeHoldingAPath) {
    const QList<MountEntry> entries = MountTable::parse(mount(1, "8:1", "/", "ext4", "/dev/sda1") +
                                                        mount(2, "8:17", "/media/A", "vfat", "a") +
                                                        mount(3, "8:33", "/media/A", "exfat", "b") +
                                                        mount(4, "8:49", "/media/AB", "ext4", "c"));
    EXPECT_EQ(MountTable::at(entries, "/media/A/")->id, 3);
    EXPECT_FALSE(MountTable::at(entries, "/media"));
    EXPECT_EQ(MountTable::holding(entries, "/media/A/DCIM/x.jpg")->id, 3);
    EXPECT_EQ(MountTable::holding(entries, "/media/AB/x")->id, 4);
    EXPECT_EQ(MountTable::holding(entries, "/home/u")->id, 1);
}

TEST(MountTableTest, HidesTheSystemsOwnFileSystems) {
    auto entry = [](const QString& point, const QString& type) {
        MountEntry e;
        e.mountPoint = point;
        e.fsType = type;
        return e;
    };
    EXPECT_TRUE(entry("/proc", "proc").isHidden());
    EXPECT_TRUE(entry("/sys/fs/cgroup", "tmpfs").isHidden());
    EXPECT_TRUE(entry("/run/user/1000", "tmpfs").isHidden());
    EXPECT_TRUE(entry("/media/x", "autofs").isHidden());
    EXPECT_FALSE(entry("/run/media/u/CARD", "exfat").isHidden());
    EXPECT_FALSE(entry("/", "ext4").isHidden());
    EXPECT_FALSE(entry("/runner", "ext4").isHidden());
    EXPECT_TRUE(entry("/mnt/share", "cifs").isNetwork());
    EXPECT_TRUE(entry("/mnt/ssh", "fuse.sshfs").isNetwork());
    EXPECT_FALSE(entry("/media/x", "fuseblk").isNetwork());
}

TEST_F(LinuxVolumesTest, DescribesAUsbCardReader) {
    const QString sdb = tree.addDisk(usbHost, "sdb", "8:16", true);
    tree.addPartition(sdb, "sdb1", "8:17");
    tree.setAttribute(usbPort + "/removable", "removable\n");
    tree.link("by-label", "EOS\\x20DIGITAL", "sdb1");
    tree.link("by-uuid", "1234-ABCD", "sdb1");
    tree.link("by-uuid", "OTHER", "sda1");
    tree.setMounts(mount(30, "8:17", "/media/u/EOS\\040DIGITAL", "vfat", "/dev/sdb1"));

    const auto r = facts().resources("/media/u/EOS DIGITAL");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->name, "EOS DIGITAL");
    EXPECT_EQ(r->uuid, "1234-ABCD");
    EXPECT_EQ(r->isRemovable, true);
    EXPECT_EQ(r->isEjectable, true);
    EXPECT_EQ(r->isInternal, false);
    EXPECT_EQ(r->isLocal, true);
    EXPECT_EQ(r->isRootFileSystem, false);
    EXPECT_EQ(r->isReadOnly, false);
    EXPECT_FALSE(r->isDiskImage);
    EXPECT_EQ(r->fileSystemType, "vfat");
    EXPECT_EQ(runner->count("blkid"), 0); // udev answered
}

TEST_F(LinuxVolumesTest, TellsFixedInternalAndHotPluggedDisksApart) {
    tree.addPartition(tree.addDisk(sataHost, "sda", "8:0"), "sda2", "8:2");
    // A USB hard disk: the medium is fixed, the device can be unplugged.
    tree.addPartition(tree.addDisk(usbHost, "sdc", "8:32"), "sdc1", "8:33");
    tree.setAttribute(usbPort + "/removable", "removable\n");
    const QString sd = tree.addDisk(sdHost, "mmcblk0", "179:0");
    tree.addPartition(sd, "mmcblk0p1", "179:1");
    tree.setAttribute(sdHost + "/block/mmcblk0/device/type", "SD\n");
    const QString emmc = tree.addDisk(sdHost + "x", "mmcblk1", "179:8");
    tree.addPartition(emmc, "mmcblk1p2", "179:10");
    tree.setAttribute(sdHost + "x/block/mmcblk1/device/type", "MMC\n");
    tree.setMounts(mount(1, "8:2", "/media/DATA", "ext4", "/dev/sda2") +
                   mount(2, "8:33", "/media/SSD", "exfat", "/dev/sdc1") +
                   mount(3, "179:1", "/media/SD", "exfat", "/dev/mmcblk0p1") +
                   mount(4, "179:10", "/media/EMMC", "ext4", "/dev/mmcblk1p2"));
    tree.link("by-uuid", "unused", "zzz"); // udev runs, nothing has a label

    const LinuxVolumeFacts f = facts();
    const auto data = f.resources("/media/DATA");
    EXPECT_EQ(data->isRemovable, false);
    EXPECT_EQ(data->isEjectable, false);
    EXPECT_EQ(data->isInternal, true);
    EXPECT_FALSE(data->name);

    const auto ssd = f.resources("/media/SSD");
    EXPECT_EQ(ssd->isRemovable, false);
    EXPECT_EQ(ssd->isEjectable, true);
    EXPECT_EQ(ssd->isInternal, false);

    const auto sdCard = f.resources("/media/SD");
    EXPECT_EQ(sdCard->isRemovable, true);
    EXPECT_EQ(sdCard->isEjectable, true);

    const auto chip = f.resources("/media/EMMC");
    EXPECT_EQ(chip->isRemovable, false);
    EXPECT_EQ(chip->isEjectable, false);
    EXPECT_EQ(chip->isInternal, true);
}

TEST_F(LinuxVolumesTest, DiskImagesMappingsAndNetworkVolumes) {
    tree.addVirtual("loop0", "7:0");
    const QString sdb = tree.addDisk(usbHost, "sdb", "8:16", true);
    tree.addPartition(sdb, "sdb1", "8:17");
    tree.addVirtual("dm-0", "253:0", {"sdb1"}); // an encrypted card
    tree.setMounts(mount(1, "7:0", "/media/IMG", "fuseblk", "/dev/loop0") +
                   mount(2, "253:0", "/media/SECRET", "ext4", "/dev/mapper/luks") +
                   mount(3, "0:55", "/media/NAS", "nfs4", "nas:/share"));
    tree.link("by-uuid", "unused", "zzz");

    const LinuxVolumeFacts f = facts();
    const auto image = f.resources("/media/IMG");
    EXPECT_TRUE(image->isDiskImage);
    EXPECT_EQ(image->isEjectable, true);
    EXPECT_EQ(image->isRemovable, false);
    EXPECT_FALSE(image->isInternal);

    // Through the mapping to the card beneath, not a disk image.
    const auto secret = f.resources("/media/SECRET");
    EXPECT_FALSE(secret->isDiskImage);
    EXPECT_EQ(secret->isRemovable, true);

    const auto nas = f.resources("/media/NAS");
    EXPECT_EQ(nas->isLocal, false);
    EXPECT_EQ(nas->isEjectable, false);
    EXPECT_FALSE(f.resources("/media/NOTHING"));
}

TEST_F(LinuxVolumesTest, ProbesLabelsWithBlkidWhereUdevDoesNotRunOncePerMount) {
    tree.addVirtual("loop0", "7:0");
    tree.setMounts(mount(44, "7:0", "/media/CARD", "fuseblk", "/dev/loop0"));
    runner->devices = {{.name = "loop0", .type = "loop", .fsType = "exfat", .label = "MY CARD",
                        .uuid = "7FFF-DCA6"}};
    const LinuxVolumeFacts f = facts();
    EXPECT_EQ(f.resources("/media/CARD")->name, "MY CARD");
    EXPECT_EQ(f.resources("/media/CARD")->uuid, "7FFF-DCA6");
    EXPECT_EQ(runner->count("blkid"), 1);

    // Mounted again (a new mount id): probed afresh.
    tree.setMounts(mount(45, "7:0", "/media/CARD", "fuseblk", "/dev/loop0"));
    runner->devices[0].label = "NEW";
    EXPECT_EQ(f.resources("/media/CARD")->name, "NEW");

    // A device blkid cannot read has no name; the watcher falls back to the folder name.
    runner->devices.clear();
    tree.setMounts(mount(46, "7:0", "/media/CARD", "fuseblk", "/dev/loop0"));
    EXPECT_FALSE(f.resources("/media/CARD")->name);
}

TEST_F(LinuxVolumesTest, ListsVisibleVolumesOnceInTableOrder) {
    tree.setMounts(mount(1, "254:0", "/", "ext4", "/dev/vda") +
                   mount(2, "0:20", "/proc", "proc", "proc") +
                   mount(3, "0:30", "/run/user/1000", "tmpfs", "tmpfs") +
                   mount(4, "8:17", "/media/B", "exfat", "/dev/sdb1") +
                   mount(5, "8:33", "/media/A", "exfat", "/dev/sdc1") +
                   mount(6, "8:49", "/media/B", "exfat", "/dev/sdd1"));
    EXPECT_EQ(facts().mountedVolumes(), QStringList({"/", "/media/B", "/media/A"}));
    EXPECT_EQ(facts().resources("/")->isRootFileSystem, true);
    // Any folder answers with the type of the volume that holds it.
    EXPECT_EQ(facts().fileSystemTypeAt(dir("x")), "ext4");
}

TEST_F(LinuxVolumesTest, ReportsMountsAndUnmountsFromTheTable) {
    LinuxMountEvents events(tree.paths.mountInfo);
    QStringList seen;
    int changes = 0;
    QObject::connect(&events, &MountEvents::volumeMounted,
                     [&](const QString& p) { seen.append("+" + p); });
    QObject::connect(&events, &MountEvents::volumeUnmounted,
                     [&](const QString& p) { seen.append("-" + p); });
    QObject::connect(&events, &MountEvents::mountsChanged, [&] { ++changes; });

    const QByteArray root = mount(1, "254:0", "/", "ext4", "/dev/vda");
    tree.setMounts(root);
    ASSERT_TRUE(events.start());
    EXPECT_TRUE(events.start()); // a second start changes nothing
    events.checkNow();
    EXPECT_TRUE(seen.isEmpty());
    EXPECT_EQ(changes, 0);

    tree.setMounts(root + mount(7, "8:17", "/media/A", "exfat", "/dev/sdb1") +
                   mount(8, "8:33", "/media/B", "exfat", "/dev/sdc1"));
    events.checkNow();
    EXPECT_EQ(seen, QStringList({"+/media/A", "+/media/B"}));

    // B unmounted and something else mounted there within one change: both are reported.
    seen.clear();
    tree.setMounts(root + mount(7, "8:17", "/media/A", "exfat", "/dev/sdb1") +
                   mount(9, "8:49", "/media/B", "exfat", "/dev/sdd1"));
    events.checkNow();
    EXPECT_EQ(seen, QStringList({"-/media/B", "+/media/B"}));

    // Hidden mounts change only the plain notification.
    seen.clear();
    const int before = changes;
    tree.setMounts(root + mount(7, "8:17", "/media/A", "exfat", "/dev/sdb1") +
                   mount(9, "8:49", "/media/B", "exfat", "/dev/sdd1") +
                   mount(10, "0:40", "/run/user/1000", "tmpfs", "tmpfs"));
    events.checkNow();
    EXPECT_TRUE(seen.isEmpty());
    EXPECT_EQ(changes, before + 1);

    // An unreadable table reports nothing rather than every volume gone.
    QFile::remove(tree.paths.mountInfo);
    events.checkNow();
    EXPECT_TRUE(seen.isEmpty());
    tree.setMounts(root);
    events.checkNow();
    EXPECT_EQ(seen, QStringList({"-/media/A", "-/media/B"}));
}

TEST_F(LinuxVolumesTest, TraitsCountUnknownFactsAsStated) {
    class NoFacts : public VolumeFacts {
    public:
        QStringList mountedVolumes() const override { return {}; }
        std::optional<VolumeResources> resources(const QString&) const override { return {}; }
        std::optional<QString> fileSystemTypeAt(const QString&) const override { return {}; }
    } none;
    test::writeFile(dir("vol/Backups.backupdb/x"));
    const VolumeTraits traits = VolumeTraits::read(dir("vol"), none);
    EXPECT_EQ(traits, (VolumeTraits{dir("vol"), false, false, std::nullopt, true, false, false,
                                    true}));
    EXPECT_EQ(traits.logDescription(),
              "removable false, ejectable false, internal unknown, local true, root false, "
              "disk image false, backup true");
    EXPECT_FALSE(VolumeTraits::isBackupDisk(dir("nothing")));
    test::writeFile(dir("tm/.com.apple.TMCheckpoint"));
    EXPECT_TRUE(VolumeTraits::isBackupDisk(dir("tm")));
}
