// udisks2's description of the disks, as its object manager sends it: checked against lsblk's
// facts, and compared reading by reading for card events.

#include "devices/linux/UdisksObjects.h"
#include "devices/FormatGuard.h"
#include "devices/VolumePaths.h"
#include "devices/linux/UdisksMountEvents.h"

#include <QDBusObjectPath>

#include <gtest/gtest.h>

using namespace stowly;

namespace {

const QString base = "/org/freedesktop/UDisks2/";
const QString reader = base + "drives/reader";
const QString internal = base + "drives/internal";

struct Block {
    QString drive = reader;
    // Empty for a block without a file system.
    QString type = "exfat";
    QByteArrayList mounts;
    QString label;
    QString uuid;
    bool system = false;
    // The whole disk a partition belongs to.
    QString table;
    std::optional<uint> loopSetupBy;
};

// udisks2's objects as GetManagedObjects lists them, built a block at a time, with a USB card
// reader and an internal disk.
struct Objects {
    UdisksObjects::Managed managed;

    Objects() {
        managed[reader][UdisksObjects::driveInterface] = {
            {"Removable", true}, {"MediaRemovable", true}, {"ConnectionBus", "usb"}};
        managed[internal][UdisksObjects::driveInterface] = {{"ConnectionBus", ""}};
    }
    Objects& add(const QString& name, const Block& b) {
        UdisksObjects::Interfaces& o = managed[base + "block_devices/" + name];
        o[UdisksObjects::blockInterface] = {
            {"Device", QByteArray("/dev/" + name.toUtf8() + '\0')},
            {"Drive", QVariant::fromValue(QDBusObjectPath(b.drive))},
            {"CryptoBackingDevice", QVariant::fromValue(QDBusObjectPath("/"))},
            {"HintSystem", b.system || b.loopSetupBy},
            {"Size", qulonglong(64 << 20)},
            {"IdUsage", b.type.isEmpty() ? "" : "filesystem"},
            {"IdType", b.type},
            {"IdUUID", b.uuid},
            {"IdLabel", b.label}};
        if (!b.type.isEmpty())
            o[UdisksObjects::fileSystemInterface] = {
                {"MountPoints", QVariant::fromValue(terminated(b.mounts))}};
        if (!b.table.isEmpty())
            o[UdisksObjects::partitionInterface] = {
                {"Table", QVariant::fromValue(QDBusObjectPath(base + "block_devices/" + b.table))}};
        if (b.loopSetupBy)
            o[UdisksObjects::loopInterface] = {{"SetupByUID", *b.loopSetupBy}};
        return *this;
    }
    UdisksObjects read() const { return UdisksObjects::from(managed); }

    static QByteArrayList terminated(const QByteArrayList& points) {
        QByteArrayList list;
        for (const QByteArray& p : points)
            list.append(p + '\0');
        return list;
    }
};

// The reader's card sdb1 on sdb, the system disk vda, and two disk images: one the user set up
// (uid 1000), one root's.
UdisksObjects machine(const QByteArrayList& cardMounts = {"/media/u/CARD"}) {
    return Objects()
        .add("sdb", {.type = ""})
        .add("sdb1", {.mounts = cardMounts, .label = "CARD", .uuid = "ABCD-1234", .table = "sdb"})
        .add("vda", {.drive = internal, .type = "ext4", .mounts = {"/"}, .system = true})
        .add("loop0", {.drive = "/", .loopSetupBy = 1000})
        .add("loop1", {.drive = "/", .loopSetupBy = 0})
        .read();
}

DiskFacts lsblkCard() {
    DiskFacts f;
    f.deviceIdentifier = "sdb1";
    f.deviceKind = "part";
    f.wholeDisks = {"sdb"};
    f.mountPoint = "/media/u/CARD";
    f.mountPoints = {"/media/u/CARD"};
    f.filesystemType = "exfat";
    f.volumeUUID = "abcd-1234";
    f.size = 64 << 20;
    f.isRemovable = f.isEjectable = f.isRemovableOrExternal = true;
    return f;
}

QStringList devices(const QList<DiskTool::UnmountedCard>& cards) {
    QStringList list;
    for (const DiskTool::UnmountedCard& card : cards)
        list.append(card.device + " " + card.name);
    return list;
}

} // namespace

TEST(UdisksObjectsTest, RefusesWhereUdisksAndLsblkDisagreeAndTakesTheStricterAnswer) {
    VolumePaths::setMountRoots({"/media/"});
    const auto refusal = [](const DiskFacts& f) {
        return FormatGuard::refusal(f, "/media/u/CARD", std::nullopt, std::nullopt, std::nullopt);
    };

    const UdisksObjects objects = machine();
    EXPECT_EQ(objects.wholeDisk(*objects.blockForDevice("/dev/sdb1"))->device, "/dev/sdb");
    DiskFacts agreeing = lsblkCard();
    objects.crossCheck(agreeing, 1000);
    EXPECT_EQ(agreeing.disagreement, std::nullopt);
    EXPECT_EQ(refusal(agreeing), std::nullopt);

    // Another file system, another disk, or a mount lsblk does not see: not the same device.
    for (const auto& change : std::initializer_list<std::function<void(DiskFacts&)>>{
             [](DiskFacts& f) { f.volumeUUID = "0000-0000"; },
             [](DiskFacts& f) { f.wholeDisks = {"sdc"}; },
             [](DiskFacts& f) { f.mountPoints = {"/media/u/OTHER"}; },
             [](DiskFacts& f) { f.deviceIdentifier = "sdz1"; }}) {
        DiskFacts f = lsblkCard();
        change(f);
        machine().crossCheck(f, 1000);
        EXPECT_TRUE(f.disagreement);
        if (f.mountPoints.contains("/media/u/CARD")) {
            EXPECT_EQ(refusal(f), FormatGuard::conflictingFacts());
        }
    }
    // A FUSE mount is lsblk's alone, and no disagreement.
    DiskFacts fuse = lsblkCard();
    machine({}).crossCheck(fuse, 1000);
    EXPECT_EQ(fuse.disagreement, std::nullopt);

    // Root's disk image is the system's to udisks2: part of the computer, whoever asks.
    DiskFacts image;
    image.deviceIdentifier = "loop1";
    image.deviceKind = "loop";
    image.wholeDisks = {"loop1"};
    image.isEjectable = image.isRemovableOrExternal = true;
    machine().crossCheck(image, 1000);
    EXPECT_TRUE(image.isOSInternal);
    image.deviceIdentifier = "loop0";
    image.isOSInternal = false;
    machine().crossCheck(image, 1000);
    EXPECT_FALSE(image.isOSInternal);
    VolumePaths::setMountRoots(VolumePaths::defaultMountRoots());
}

TEST(UdisksEventsTest, MountsAreComparedBlockByBlock) {
    const auto home = Block{.drive = internal, .mounts = {"/home"}};
    const UdisksObjects before = Objects()
                                     .add("sda2", home)
                                     .add("sdb1", {.mounts = {"/media/u/A"}})
                                     .add("sdc1", {.mounts = {"/media/u/GONE"}})
                                     .read();
    const auto changes =
        UdisksMountEvents::compare(before,
                                   Objects()
                                       .add("sda2", home)
                                       .add("sdb1", {.mounts = {"/media/u/B"}})
                                       .add("sdd1", {.mounts = {"/media/u/NEW", "/mnt/twice"}})
                                       .read(),
                                   1000);
    EXPECT_EQ(changes.unmounted, QStringList({"/media/u/A", "/media/u/GONE"}));
    EXPECT_EQ(changes.mounted, QStringList({"/media/u/B", "/media/u/NEW", "/mnt/twice"}));
    EXPECT_TRUE(changes.appeared.isEmpty());

    // Another device mounted where one was a moment ago: gone, then there again.
    const auto swap = UdisksMountEvents::compare(
        before, Objects().add("sda2", home).add("sde1", {.mounts = {"/media/u/A"}}).read(), 1000);
    EXPECT_EQ(swap.unmounted, QStringList({"/media/u/A", "/media/u/GONE"}));
    EXPECT_EQ(swap.mounted, QStringList({"/media/u/A"}));
}

TEST(UdisksEventsTest, OnlyCardsThatArriveUnmountedAppear) {
    const UdisksObjects before = Objects()
                                     .add("sdb1", {.mounts = {"/media/u/SHOT"}})
                                     .add("sdc1", {})
                                     .add("sda3", {.drive = internal})
                                     .add("loop0", {.drive = "/", .type = "", .loopSetupBy = 1000})
                                     .read();
    // The user unmounted sdb1: cards already there are not inserted again.
    const UdisksObjects after = Objects()
                                    .add("sdb1", {})
                                    .add("sdc1", {})
                                    .add("sda3", {.drive = internal})
                                    // A loop device's file system probed after the device.
                                    .add("loop0", {.drive = "/", .loopSetupBy = 1000})
                                    .add("sdd1", {.label = "EOS_DIGITAL"})
                                    .add("sdd2", {.mounts = {"/media/u/OTHER"}})
                                    .add("sda4", {.drive = internal})
                                    .add("loop1", {.drive = "/", .loopSetupBy = 0})
                                    .read();
    const auto changes = UdisksMountEvents::compare(before, after, 1000);
    EXPECT_EQ(devices(changes.appeared),
              QStringList({"/dev/loop0 loop0", "/dev/sdd1 EOS_DIGITAL"}));
    EXPECT_EQ(changes.unmounted, QStringList({"/media/u/SHOT"}));

    // Nothing read before: every unmounted card is there from the start.
    const auto first = UdisksMountEvents::compare({}, after, 1000);
    EXPECT_EQ(devices(first.appeared), QStringList({"/dev/loop0 loop0", "/dev/sdb1 sdb1",
                                                    "/dev/sdc1 sdc1", "/dev/sdd1 EOS_DIGITAL"}));
}
