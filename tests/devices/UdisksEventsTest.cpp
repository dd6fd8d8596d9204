#include "devices/linux/UdisksMountEvents.h"

#include "devices/linux/MountTable.h"
#include "devices/linux/UdisksClient.h"

#include "support/PrivateUdisks.h"
#include "support/ScratchMount.h"
#include "support/TestSupport.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace stowly;
using namespace stowly::test;

namespace {

// Every report of a source, one line each ("appeared /dev/loop0 NAME", "mounted /path").
struct Reports {
    QStringList lines;
    explicit Reports(MountEvents& events) {
        QObject::connect(&events, &MountEvents::volumeMounted,
                         [this](const QString& path) { lines.append("mounted " + path); });
        QObject::connect(&events, &MountEvents::volumeUnmounted,
                         [this](const QString& path) { lines.append("unmounted " + path); });
        QObject::connect(&events, &MountEvents::cardFileSystemAppeared,
                         [this](const QString& device, const QString& name) {
                             lines.append("appeared " + device + " " + name);
                         });
        QObject::connect(&events, &MountEvents::cardFileSystemGone,
                         [this](const QString& device) { lines.append("gone " + device); });
    }
    bool waitFor(const QString& line) {
        return spinUntil([&] { return lines.contains(line); }, 20000);
    }
    // The lines that concern a device or a path, in order.
    QStringList about(const QString& what) const {
        QStringList found;
        for (const QString& line : lines)
            if (line.endsWith(" " + what) || line.contains(" " + what + " "))
                found.append(line);
        return found;
    }
};

} // namespace

TEST(UdisksEventsTest, ALoopCardFollowedFromAttachToDetach) {
    QString why;
    const auto udisks = PrivateUdisks::start(&why);
    if (!udisks)
        GTEST_SKIP() << "Skipped: " << why.toStdString();
    UdisksMountEvents mine(udisks->connection(), ::getuid(), MountTable::standardPath());
    // Someone else's loop device is no card of this user's.
    UdisksMountEvents someoneElse(udisks->connection(), ::getuid() + 1, MountTable::standardPath());
    Reports reports(mine), otherReports(someoneElse);
    ASSERT_TRUE(mine.start());
    ASSERT_TRUE(someoneElse.start());

    TempDir dir;
    auto card = ScratchMount::exfatImage(dir.path(), 32 << 20, &why, "EVENTS");
    if (!card)
        GTEST_SKIP() << "Skipped: " << why.toStdString();
    const QString device = card->device();
    ASSERT_TRUE(reports.waitFor("appeared " + device + " EVENTS"))
        << reports.lines.join('\n').toStdString() << "\nudisksd said:\n"
        << udisks->daemonOutput().toStdString();

    // udisks2 does not see a FUSE mount: the mount table reports it, once.
    if (!card->mount(dir("mnt"), ScratchMount::Driver::fuse, &why))
        GTEST_SKIP() << "Skipped: " << why.toStdString();
    const QString path = dir("mnt");
    ASSERT_TRUE(reports.waitFor("mounted " + path));
    ASSERT_EQ(QProcess::execute("umount", {path}), 0);
    ASSERT_TRUE(reports.waitFor("unmounted " + path));

    card.reset(); // detaches the loop device
    QProcess::execute("udevadm", {"settle", "-t", "10"});
    ASSERT_TRUE(reports.waitFor("gone " + device)) << reports.lines.join('\n').toStdString();
    EXPECT_EQ(reports.about(device),
              QStringList({"appeared " + device + " EVENTS", "gone " + device}));
    EXPECT_EQ(reports.about(path), QStringList({"mounted " + path, "unmounted " + path}));
    EXPECT_TRUE(otherReports.about(device).isEmpty())
        << otherReports.lines.join('\n').toStdString();
}

TEST(UdisksEventsTest, AMountUdisksMakesIsReportedOnce) {
    QString why;
    const auto udisks = PrivateUdisks::start(&why);
    if (!udisks)
        GTEST_SKIP() << "Skipped: " << why.toStdString();
    ASSERT_TRUE(udisks->allowAll());
    UdisksMountEvents events(udisks->connection(), ::getuid(), MountTable::standardPath());
    Reports reports(events);
    ASSERT_TRUE(events.start());
    TempDir dir;
    // A file system the kernel here mounts itself; the mount goes with the object.
    const auto loop = ScratchMount::ext4Image(dir.path(), 16 << 20, &why);
    if (!loop)
        GTEST_SKIP() << "Skipped: " << why.toStdString();
    const UdisksClient client(udisks->connection(), false);
    QString objectPath;
    ASSERT_TRUE(spinUntil(
        [&] {
            const std::optional<UdisksObjects> objects = client.objects();
            const UdisksBlock* b = objects ? objects->blockForDevice(loop->device()) : nullptr;
            objectPath = b && b->hasFileSystem ? b->objectPath : QString();
            return !objectPath.isEmpty();
        },
        20000))
        << udisks->daemonOutput().toStdString();

    const UdisksClient::Reply mounted = client.mount(objectPath);
    ASSERT_TRUE(mounted.succeeded()) << mounted.text.toStdString();
    const QString path = mounted.text;
    ASSERT_TRUE(reports.waitFor("mounted " + path));
    const UdisksClient::Reply unmounted = client.unmount(objectPath);
    ASSERT_TRUE(unmounted.succeeded()) << unmounted.text.toStdString();
    ASSERT_TRUE(reports.waitFor("unmounted " + path));
    // The mount table saw both as well, long since; its reports must not count twice.
    spinUntil([] { return false; }, 300);
    EXPECT_EQ(reports.about(path), QStringList({"mounted " + path, "unmounted " + path}));
}
