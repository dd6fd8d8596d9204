#include "FakeMachine.h"
#include "FakeTree.h"
#include "Printers.h"

#include "devices/VolumeTraits.h"
#include "devices/linux/LinuxMountEvents.h"
#include "devices/linux/LinuxVolumeFacts.h"
#include "devices/linux/MountTable.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace stowly;

namespace {

const QString usbPort = "pci0000:00/0000:00:14.0/usb2/2-1";
const QString usbHost = usbPort + "/2-1:1.0/host6/target6:0:0/6:0:0:0";
const QString sataHost = "pci0000:00/0000:00:17.0/ata3/host2/target2:0:0/2:0:0:0";
const QString mmcHost = "pci0000:00/0000:00:1c.0/mmc_host/mmc0/mmc0:aaaa";

QByteArray mount(int id, const QString& majorMinor, const QString& point,
                 const QString& type = "exfat") {
    return QString("%1 1 %2 / %3 rw,relatime shared:%1 - %4 /dev/x rw\n")
        .arg(id)
        .arg(majorMinor, QString(point).replace(" ", "\\040"), type)
        .toUtf8();
}

class LinuxVolumesTest : public ::testing::Test {
protected:
    std::optional<VolumeResources> at(const QString& path) {
        return LinuxVolumeFacts(tree.paths, runner).resources(path);
    }
    // The facts that hold for the volume at path, by name; "?" marks one that is unknown.
    QString hardware(const QString& path) {
        const auto r = at(path);
        QStringList held;
        for (const auto& [word, value] : {std::pair{"removable", r->isRemovable},
                                          {"ejectable", r->isEjectable},
                                          {"internal", r->isInternal},
                                          {"local", r->isLocal},
                                          {"image", r->isDiskImage}})
            if (!value || *value)
                held << QString(word) + (value ? "" : "?");
        return held.join(' ');
    }

    test::TempDir dir;
    test::FakeTree tree{dir};
    std::shared_ptr<test::FakeMachine> runner = std::make_shared<test::FakeMachine>();
};

} // namespace

TEST(MountTableTest, ParsesTheKernelsTable) {
    const QList<MountEntry> entries = MountTable::parse(
        "26 1 254:0 / / rw,relatime - ext4 /dev/vda rw,discard\n"
        "44 26 7:0 /sub /media/MY\\040CARD\\011x\\134y rw master:3 shared:9 - fuseblk /dev/loop0 "
        "ro,user_id=0\n"
        "garbage line\n45 26 0:50 / /mnt/nfs rw - nfs4\n\n" +
        mount(46, "8:17", "/media/MY CARD") + mount(47, "8:33", "/media/MY CARDS"));
    ASSERT_EQ(entries.size(), 4);
    EXPECT_EQ(entries[1], (MountEntry{44, 26, "7:0", "/sub", "/media/MY CARD\tx\\y", "rw",
                                      "fuseblk", "/dev/loop0", "ro,user_id=0"}));
    EXPECT_TRUE(entries[1].isReadOnly()); // through the super block's options
    EXPECT_FALSE(entries[0].isReadOnly());

    EXPECT_EQ(MountTable::at(entries, "/media/MY CARD/")->id, 46);
    EXPECT_FALSE(MountTable::at(entries, "/media"));
    EXPECT_EQ(MountTable::holding(entries, "/media/MY CARD/DCIM/x.jpg")->id, 46);
    EXPECT_EQ(MountTable::holding(entries, "/media/MY CARDS/x")->id, 47);
    EXPECT_EQ(MountTable::holding(entries, "/media/MY CARDX")->id, 26);
    EXPECT_EQ(MountTable::holding(entries, "/home/u")->id, 26);

    auto entry = [](const QString& point, const QString& type) {
        return MountEntry{.mountPoint = point, .fsType = type};
    };
    EXPECT_TRUE(entry("/run/user/1000", "tmpfs").isHidden());
    EXPECT_TRUE(entry("/media/x", "autofs").isHidden());
    EXPECT_FALSE(entry("/run/media/u/CARD", "exfat").isHidden());
    EXPECT_FALSE(entry("/runner", "ext4").isHidden());
    EXPECT_TRUE(entry("/mnt/ssh", "fuse.sshfs").isNetwork());
}

TEST_F(LinuxVolumesTest, ReadsTheHardwareBeneathAVolume) {
    tree.addPartition(tree.addDisk(usbHost, "sdb", "8:16", true), "sdb1", "8:17");
    tree.setAttribute(usbPort + "/removable", "removable\n");
    tree.addPartition(tree.addDisk(sataHost, "sda", "8:0"), "sda2", "8:2");
    tree.addPartition(tree.addDisk(mmcHost, "mmcblk0", "179:0"), "mmcblk0p1", "179:1");
    tree.setAttribute(mmcHost + "/block/mmcblk0/device/type", "SD\n");
    tree.addPartition(tree.addDisk(mmcHost + "x", "mmcblk1", "179:8"), "mmcblk1p2", "179:10");
    tree.setAttribute(mmcHost + "x/block/mmcblk1/device/type", "MMC\n");
    tree.addPartition(tree.addDisk(usbHost, "sdc", "8:32"), "sdc1", "8:33"); // a USB SSD
    tree.addVirtual("loop0", "7:0");
    tree.addVirtual("dm-0", "253:0", {"sdb1"}); // an encrypted card
    tree.link("by-label", "EOS\\x20DIGITAL", "sdb1");
    tree.link("by-uuid", "1234-ABCD", "sdb1");
    tree.setMounts(mount(1, "8:17", "/media/EOS DIGITAL", "vfat") + mount(2, "8:2", "/data") +
                   mount(3, "179:1", "/media/SD") + mount(4, "179:10", "/media/EMMC") +
                   mount(5, "7:0", "/media/IMG", "fuseblk") + mount(6, "253:0", "/media/LUKS") +
                   mount(7, "0:55", "/media/NAS", "nfs4") + mount(8, "8:33", "/media/SSD"));

    EXPECT_EQ(at("/media/EOS DIGITAL"),
              (VolumeResources{"/media/EOS DIGITAL", "EOS DIGITAL", "1234-ABCD", true, true, false,
                               true, false, false, false, false, "vfat"}));
    EXPECT_EQ(runner->count("blkid"), 0); // udev's links answered

    EXPECT_FALSE(at("/data")->name); // udev runs and knows no label
    EXPECT_EQ(hardware("/data"), "internal local");
    EXPECT_EQ(hardware("/media/SD"), "removable ejectable local");
    EXPECT_EQ(hardware("/media/EMMC"), "internal local");
    EXPECT_EQ(hardware("/media/IMG"), "ejectable internal? local image");
    EXPECT_EQ(hardware("/media/LUKS"), "removable ejectable local"); // through the mapping
    EXPECT_EQ(hardware("/media/NAS"), "internal?");
    EXPECT_EQ(hardware("/media/SSD"), "ejectable local"); // hot-plugged, not removable
    EXPECT_FALSE(at("/media/NOTHING"));
}

TEST_F(LinuxVolumesTest, ProbesLabelsWithBlkidWhereUdevDoesNotRun) {
    QDir(tree.paths.devDisk).removeRecursively();
    tree.addVirtual("loop0", "7:0");
    tree.setMounts(mount(44, "7:0", "/media/CARD", "fuseblk"));
    runner->devices = {{.name = "loop0", .fsType = "exfat", .label = "MY CARD", .uuid = "7F-D6"}};
    EXPECT_EQ(at("/media/CARD")->name, "MY CARD");
    EXPECT_EQ(at("/media/CARD")->uuid, "7F-D6");
    EXPECT_TRUE(runner->ran("blkid -p -o udev /dev/loop0"));
    // Erased and mounted again under a reused mount id: the new label shows.
    runner->devices[0].label = "NEW";
    EXPECT_EQ(at("/media/CARD")->name, "NEW");
    runner->devices.clear(); // blkid finds nothing: no name, the folder's name stands in
    EXPECT_FALSE(at("/media/CARD")->name);
}

// udev's links are believed only while it runs. Its socket is root's: an ordinary user is
// refused whether or not udev listens, on every desktop, and tells a running udev by its daemon.
TEST_F(LinuxVolumesTest, LinksOfAUdevThatNoLongerRunsAreNotBelieved) {
    tree.addVirtual("loop0", "7:0");
    tree.link("by-label", "OLD", "loop0");
    tree.link("by-uuid", "11-22", "loop0");
    tree.setMounts(mount(44, "7:0", "/media/CARD", "fuseblk"));
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    const auto seenByUser = [&] {
        return test::runUnprivileged(
            [&] { return at("/media/CARD")->uuid.value_or("none").toUtf8(); });
    };
    EXPECT_EQ(seenByUser(), "none"); // blkid may not read the device either
    tree.listUdevProcess();
    EXPECT_EQ(seenByUser(), "11-22");

    // The card in this reader was erased after udev stopped: its links name the old one.
    runner->devices = {{.name = "loop0", .fsType = "exfat", .label = "NEW", .uuid = "7F-D6"}};
    EXPECT_EQ(at("/media/CARD")->uuid, "11-22"); // udev runs: its links are current
    tree.stopUdev();
    EXPECT_EQ(at("/media/CARD")->name, "NEW");
    EXPECT_EQ(at("/media/CARD")->uuid, "7F-D6");
}

TEST_F(LinuxVolumesTest, ListsVisibleVolumesOnce) {
    tree.setMounts(mount(1, "254:0", "/", "ext4") + mount(2, "0:20", "/proc", "proc") +
                   mount(3, "0:30", "/run/user/1000", "tmpfs") + mount(4, "8:17", "/media/B") +
                   mount(5, "8:33", "/media/A") + mount(6, "8:49", "/media/B"));
    const LinuxVolumeFacts facts(tree.paths, runner);
    EXPECT_EQ(facts.mountedVolumes(), QStringList({"/", "/media/B", "/media/A"}));
    EXPECT_EQ(facts.resources("/")->isRootFileSystem, true);
    EXPECT_EQ(facts.fileSystemTypeAt(dir("any/folder")), "ext4");
}

TEST_F(LinuxVolumesTest, ReportsMountsAndUnmountsFromTheTable) {
    LinuxMountEvents events(tree.paths.mountInfo);
    QStringList seen;
    int changes = 0;
    QObject::connect(&events, &MountEvents::volumeMounted,
                     [&](const QString& p) { seen << "+" + p; });
    QObject::connect(&events, &MountEvents::volumeUnmounted,
                     [&](const QString& p) { seen << "-" + p; });
    QObject::connect(&events, &MountEvents::mountsChanged, [&] { ++changes; });
    const QByteArray root = mount(1, "254:0", "/", "ext4");
    tree.setMounts(root);
    ASSERT_TRUE(events.start());
    events.checkNow();
    EXPECT_EQ(changes, 0);

    tree.setMounts(root + mount(7, "8:17", "/media/A") + mount(8, "8:33", "/media/B"));
    events.checkNow();
    EXPECT_EQ(seen, QStringList({"+/media/A", "+/media/B"}));
    // B replaced by another mount at the same place within one change.
    const QByteArray now = root + mount(7, "8:17", "/media/A") + mount(9, "8:49", "/media/B");
    tree.setMounts(now);
    events.checkNow();
    EXPECT_EQ(seen.mid(2), QStringList({"-/media/B", "+/media/B"}));
    // Hidden mounts change only the plain notification.
    tree.setMounts(now + mount(10, "0:40", "/run/user/1000", "tmpfs"));
    events.checkNow();
    EXPECT_EQ(seen.size(), 4);
    EXPECT_EQ(changes, 3);
    // An unreadable table reports nothing, rather than every volume gone.
    QFile::remove(tree.paths.mountInfo);
    events.checkNow();
    EXPECT_EQ(seen.size(), 4);
    tree.setMounts(root);
    events.checkNow();
    EXPECT_EQ(seen.mid(4), QStringList({"-/media/A", "-/media/B"}));
}

TEST_F(LinuxVolumesTest, TraitsCountUnknownFactsAsStated) {
    test::writeFile(dir("vol/Backups.backupdb/x"));
    const VolumeTraits traits =
        VolumeTraits::read(dir("vol"), LinuxVolumeFacts(tree.paths, runner));
    EXPECT_EQ(traits,
              (VolumeTraits{dir("vol"), false, false, std::nullopt, true, false, false, true}));
}
