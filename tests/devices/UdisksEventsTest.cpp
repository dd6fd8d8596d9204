#include "devices/linux/UdisksMountEvents.h"

#include "support/TestSupport.h"

#include <QDBusObjectPath>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

const QString cardReader = "/org/freedesktop/UDisks2/drives/Reader";
const QString internalDisk = "/org/freedesktop/UDisks2/drives/Internal";

QString blockPath(const QString& name) {
    return "/org/freedesktop/UDisks2/block_devices/" + name;
}

// udisks2's objects as GetManagedObjects lists them, built a block at a time.
struct Objects {
    UdisksObjects::Managed managed;

    Objects() {
        managed[cardReader][UdisksObjects::driveInterface] = {{"Removable", true},
                                                              {"ConnectionBus", "usb"}};
        managed[internalDisk][UdisksObjects::driveInterface] = {{"ConnectionBus", ""}};
    }
    // A file system; mountPoints empty for one nothing has mounted.
    Objects& add(const QString& name, const QString& drive, const QByteArrayList& mountPoints = {},
                 const QString& label = {}) {
        UdisksObjects::Interfaces& o = plain(name, drive);
        o[UdisksObjects::blockInterface].insert(
            {{"IdUsage", "filesystem"}, {"IdType", "exfat"}, {"IdLabel", label}});
        o[UdisksObjects::fileSystemInterface] = {{"MountPoints", QVariant::fromValue(mountPoints)}};
        return *this;
    }
    // A loop device's file system, set up by uid.
    Objects& addLoop(const QString& name, uint uid) {
        add(name, "/");
        managed[blockPath(name)][UdisksObjects::loopInterface] = {{"SetupByUID", uid}};
        return *this;
    }
    // A block whose file system has not been probed yet.
    UdisksObjects::Interfaces& plain(const QString& name, const QString& drive) {
        UdisksObjects::Interfaces& o = managed[blockPath(name)];
        o[UdisksObjects::blockInterface] = {{"Device", "/dev/" + name},
                                            {"Drive", QVariant::fromValue(QDBusObjectPath(drive))}};
        return o;
    }
    UdisksObjects read() const { return UdisksObjects::from(managed); }
};

QStringList devices(const QList<DiskTool::UnmountedCard>& cards) {
    QStringList list;
    for (const DiskTool::UnmountedCard& card : cards)
        list.append(card.device + " " + card.name);
    return list;
}

} // namespace

TEST(UdisksEventsTest, MountsAreComparedBlockByBlock) {
    Objects before;
    before.add("sda2", internalDisk, {"/home"})
        .add("sdb1", cardReader, {"/media/u/A"})
        .add("sdc1", cardReader, {"/media/u/GONE"});
    Objects after;
    after.add("sda2", internalDisk, {"/home"})
        .add("sdb1", cardReader, {"/media/u/B"})
        .add("sdd1", cardReader, {"/media/u/NEW", "/mnt/twice"});
    const auto changes = UdisksMountEvents::compare(before.read(), after.read(), 1000);
    EXPECT_EQ(changes.unmounted, QStringList({"/media/u/A", "/media/u/GONE"}));
    EXPECT_EQ(changes.mounted, QStringList({"/media/u/B", "/media/u/NEW", "/mnt/twice"}));
    EXPECT_TRUE(changes.appeared.isEmpty());

    // Another device mounted where one was a moment ago: gone, then there again.
    Objects swapped;
    swapped.add("sda2", internalDisk, {"/home"}).add("sde1", cardReader, {"/media/u/A"});
    const auto swap = UdisksMountEvents::compare(before.read(), swapped.read(), 1000);
    EXPECT_EQ(swap.unmounted, QStringList({"/media/u/A", "/media/u/GONE"}));
    EXPECT_EQ(swap.mounted, QStringList({"/media/u/A"}));
}

TEST(UdisksEventsTest, OnlyCardsThatArriveUnmountedAppear) {
    Objects before;
    before.add("sdb1", cardReader, {"/media/u/SHOT"})
        .add("sdc1", cardReader)
        .add("sda3", internalDisk);
    before.plain("loop0", "/");
    Objects after;
    // The user unmounted sdb1: cards already there are not inserted again.
    after.add("sdb1", cardReader)
        .add("sdc1", cardReader)
        .add("sda3", internalDisk)
        // A loop device's file system probed after the device itself appeared.
        .addLoop("loop0", 1000)
        .add("sdd1", cardReader, {}, "EOS_DIGITAL")
        .add("sdd2", cardReader, {"/media/u/OTHER"})
        .add("sda4", internalDisk)
        .addLoop("loop1", 0);
    const auto changes = UdisksMountEvents::compare(before.read(), after.read(), 1000);
    EXPECT_EQ(devices(changes.appeared),
              QStringList({"/dev/loop0 loop0", "/dev/sdd1 EOS_DIGITAL"}));
    EXPECT_EQ(changes.unmounted, QStringList({"/media/u/SHOT"}));

    // Nothing read before: every unmounted card is there from the start.
    const auto first = UdisksMountEvents::compare({}, after.read(), 1000);
    EXPECT_EQ(devices(first.appeared), QStringList({"/dev/loop0 loop0", "/dev/sdb1 sdb1",
                                                    "/dev/sdc1 sdc1", "/dev/sdd1 EOS_DIGITAL"}));
}
