// Cards nothing has mounted, listed and mounted from the command line through a real udisks2:
// mounted read-only, so an offload writes not one sector to the card.

#include "cli/CliHarness.h"
#include "support/PrivateUdisks.h"
#include "support/ScratchMount.h"

#include <QDir>
#include <QScopeGuard>

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

// Sectors written to a block device since it appeared.
qint64 sectorsWritten(const QString& device) {
    QFile stat("/sys/block/" + QFileInfo(device).fileName() + "/stat");
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    return QString::fromLatin1(stat.readAll()).simplified().split(u' ').value(6).toLongLong();
}

bool mountedReadOnly(const QString& mountPoint) {
    QFile mounts("/proc/self/mounts");
    if (!mounts.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : mounts.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() > 3 && fields[1] == mountPoint.toUtf8())
            return fields[3].split(',').contains("ro");
    }
    return false;
}

QJsonObject listed(const QJsonArray& cards, const QString& name) {
    for (const QJsonValue& value : cards)
        if (value.toObject()["name"] == name)
            return value.toObject();
    return {};
}

TEST(MountCommandTest, ListsAndMountsACardNothingHasMounted) {
    QString why;
    if (!canUseLoopDevices(&why))
        GTEST_SKIP() << why.toStdString();
    const auto udisks = PrivateUdisks::start(&why);
    if (!udisks)
        GTEST_SKIP() << why.toStdString();
    ASSERT_TRUE(udisks->allowAll());
    const QString label = randomLabel("MNT");
    TempDir folder;
    const auto scratch = ScratchMount::exfatImage(folder.path(), 32 << 20, &why, label);
    if (!scratch)
        GTEST_SKIP() << why.toStdString();
    // A clip on the card, written before anything else sees it.
    const QString staging = folder.path() + "/staging";
    ASSERT_TRUE(scratch->mount(staging, ScratchMount::Driver::kernelFirst, &why))
        << why.toStdString();
    writeFile(staging + "/DCIM/100/C0001.MP4", QByteArray(3 << 20, 'c'));
    ASSERT_EQ(QProcess::execute("umount", {staging}), 0);
    ASSERT_TRUE(udisks->waitForBlock(scratch->device(), 15000));
    Cli cli;
    cli.systemBus = udisks->address();

    const QJsonObject before = listed(cli.run({"cards", "--json"}).array(), label);
    EXPECT_EQ(before["mounted"], false);
    EXPECT_EQ(before["device"], scratch->device());
    EXPECT_EQ(before["backend"], "udisks2");
    EXPECT_TRUE(cli.run({"cards"}).outText().contains("“" + label + "” on " + scratch->device() +
                                                      ", not mounted"));

    const CliResult unknown = cli.run({"mount", "NO-SUCH-CARD"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.errText().startsWith("Stowly found no card “NO-SUCH-CARD”"));

    // udisks2 where the kernel mounts exFAT; elsewhere root mounts it through FUSE.
    const CliResult mounted = cli.run({"mount", label});
    ASSERT_EQ(mounted.status, 0) << mounted.errText().toStdString();
    ASSERT_EQ(scratch->mountPoints().size(), 1);
    const QString mountPoint = scratch->mountPoints().first();
    const auto removeMountPoint = qScopeGuard([&] {
        QProcess::execute("umount", {mountPoint});
        QDir().rmdir(mountPoint);
    });
    EXPECT_EQ(mounted.outText(), "“" + label + "” mounted at " + mountPoint + ".\n");
    const QJsonObject after = listed(cli.run({"cards", "--json"}).array(), label);
    EXPECT_EQ(after["path"], mountPoint);
    EXPECT_EQ(after["mounted"], true);
    EXPECT_EQ(after["backend"], "udisks2");
    for (const QString& card : {label, scratch->device()})
        EXPECT_EQ(cli.run({"mount", card}).outText(),
                  "“" + label + "” is already mounted at " + mountPoint + ".\n");

    // The card stays as it was: read-only, and not a sector written while it is offloaded.
    EXPECT_TRUE(mountedReadOnly(mountPoint));
    const qint64 written = sectorsWritten(scratch->device());
    ASSERT_GE(written, 0);
    TempDir destination;
    const CliResult offload =
        cli.run({"offload", mountPoint, "--to", destination.path(), "--project", "Shoot"});
    EXPECT_EQ(offload.status, 0) << offload.errText().toStdString();
    EXPECT_EQ(filesBelow(destination.path()).size(), 1);
    QProcess::execute("sync", {});
    EXPECT_EQ(sectorsWritten(scratch->device()), written);
}

} // namespace
} // namespace stowly::test
