// udisks2's description of the disks, as its object manager sends it, against lsblk's facts.

#include "devices/linux/UdisksObjects.h"
#include "devices/FormatGuard.h"
#include "devices/VolumePaths.h"

#include <QDBusObjectPath>

#include <gtest/gtest.h>

using namespace stowly;

namespace {

const QString base = "/org/freedesktop/UDisks2/";

QVariantMap blockProperties(const QString& device, const QString& drive, bool system,
                            const QString& type = {}, const QString& uuid = {}) {
    return {{"Device", QByteArray(device.toUtf8() + '\0')},
            {"Drive", QVariant::fromValue(QDBusObjectPath(drive))},
            {"CryptoBackingDevice", QVariant::fromValue(QDBusObjectPath("/"))},
            {"HintSystem", system},
            {"Size", qulonglong(64 << 20)},
            {"IdUsage", type.isEmpty() ? "" : "filesystem"},
            {"IdType", type},
            {"IdUUID", uuid},
            {"IdLabel", "CARD"}};
}

QVariantMap mounts(const QByteArrayList& points) {
    QByteArrayList terminated;
    for (const QByteArray& p : points)
        terminated.append(p + '\0');
    return {{"MountPoints", QVariant::fromValue(terminated)}};
}

// A USB card reader (sdb, its card sdb1), the system disk vda, and two disk images: one the
// user set up (uid 1000), one root's.
UdisksObjects machine(const QByteArrayList& cardMounts = {"/media/u/CARD"}) {
    UdisksObjects::Managed m;
    m[base + "drives/reader"][UdisksObjects::driveInterface] = {
        {"Removable", true}, {"MediaRemovable", true}, {"ConnectionBus", "usb"}};
    m[base + "drives/ssd"][UdisksObjects::driveInterface] = {{"ConnectionBus", ""}};
    m[base + "block_devices/sdb"][UdisksObjects::blockInterface] =
        blockProperties("/dev/sdb", base + "drives/reader", false);
    m[base + "block_devices/sdb1"] = {
        {UdisksObjects::blockInterface,
         blockProperties("/dev/sdb1", base + "drives/reader", false, "exfat", "ABCD-1234")},
        {UdisksObjects::fileSystemInterface, mounts(cardMounts)},
        {UdisksObjects::partitionInterface,
         {{"Table", QVariant::fromValue(QDBusObjectPath(base + "block_devices/sdb"))}}}};
    m[base + "block_devices/vda"] = {
        {UdisksObjects::blockInterface,
         blockProperties("/dev/vda", base + "drives/ssd", true, "ext4")},
        {UdisksObjects::fileSystemInterface, mounts({"/"})}};
    for (const auto& [name, uid] : {std::pair{"loop0", 1000u}, std::pair{"loop1", 0u}})
        m[base + "block_devices/" + name] = {
            {UdisksObjects::blockInterface,
             blockProperties(QString("/dev/") + name, "/", true, "exfat")},
            {UdisksObjects::fileSystemInterface, mounts({})},
            {UdisksObjects::loopInterface, {{"SetupByUID", uid}}}};
    return UdisksObjects::from(m);
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

} // namespace

TEST(UdisksObjectsTest, FindsCardsNothingHasMountedAndTheirDisks) {
    const UdisksObjects objects = machine({});
    const UdisksBlock* card = objects.blockForDevice("/dev/sdb1");
    ASSERT_TRUE(card);
    EXPECT_EQ(objects.wholeDisk(*card)->device, "/dev/sdb");
    EXPECT_EQ(objects.blockForDevice("/dev/vda")->mountPoints, QStringList({"/"}));

    // The reader's card and the user's own image; never the system disk nor root's image.
    QStringList devices;
    for (const UdisksBlock& b : objects.unmountedCards(1000))
        devices.append(b.device);
    EXPECT_EQ(devices, QStringList({"/dev/loop0", "/dev/sdb1"}));
    EXPECT_TRUE(machine().unmountedCards(1000).size() == 1); // mounted now: only the image
}

TEST(UdisksObjectsTest, RefusesWhereUdisksAndLsblkDisagreeAndTakesTheStricterAnswer) {
    VolumePaths::setMountRoots({"/media/"});
    const auto refusal = [](const DiskFacts& f) {
        return FormatGuard::refusal(f, "/media/u/CARD", std::nullopt, std::nullopt, std::nullopt);
    };

    DiskFacts agreeing = lsblkCard();
    machine().crossCheck(agreeing, 1000);
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
