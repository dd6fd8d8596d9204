// Cards nothing has mounted, listed and mounted from the command line through a real udisks2.

#include "cli/CliHarness.h"
#include "support/PrivateUdisks.h"
#include "support/ScratchMount.h"

#include <QDir>
#include <QScopeGuard>

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

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
}

} // namespace
} // namespace stowly::test
