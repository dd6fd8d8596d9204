// A backup made from the destination's proved copy rather than the card: the same files under
// the same names, each recorded as a copy of the card's file, and the card counted as offloaded
// only once they are there.

#include "cli/CliHarness.h"

#include <QJsonArray>

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

TEST(CascadeCommandTest, TheBackupIsCopiedFromTheProvedCopy) {
    Cli cli;
    TempDir card, main, backup;
    writeFile(card("DCIM/100TEST/A001.JPG"), "first photo");
    writeFile(card("DCIM/100TEST/C0001.MP4"), QByteArray(3 << 20, 'v'));
    const CliResult run = cli.run({"offload", card.path(), "--to", main.path(), "--cascade",
                                   backup.path(), "--project", "Shoot", "--json"});
    ASSERT_EQ(run.status, 0) << run.errText().toStdString();
    EXPECT_EQ(run.object()["copied"].toInt(), 2);
    const QStringList atMain = filesBelow(main.path());
    ASSERT_EQ(atMain.size(), 2);
    EXPECT_EQ(filesBelow(backup.path()), atMain);
    for (const QString& file : atMain)
        EXPECT_EQ(readFile(backup(file)), readFile(main(file)));

    // Each backup copy is a copy of the card's file: the card has nothing left to offload.
    const QJsonArray history = cli.run({"history", "--json"}).array();
    EXPECT_EQ(history.size(), 4) << cli.run({"history", "--json"}).outText().toStdString();
    const CliResult scan =
        cli.run({"scan", card.path(), "--to", main.path(), "--also", backup.path(), "--json"});
    EXPECT_EQ(scan.object()["offloaded"].toArray().size(), 2) << scan.outText().toStdString();
    EXPECT_TRUE(scan.object()["missing"].toArray().isEmpty());
}

} // namespace
} // namespace stowly::test
