// Offloads with backup destinations on the command line: one copy per destination under one
// relative path, files counted as offloaded only while every destination has its copy, and the
// re-offload of missing copies filling only the gap.

#include "cli/CliHarness.h"

#include <QFile>
#include <QJsonArray>

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

TEST(BackupsCommandTest, EveryDestinationGetsItsCopyAndOnlyTheGapIsFilledAgain) {
    Cli cli;
    TempDir card, main, backup;
    writeFile(card("DCIM/100TEST/A001.JPG"), "first photo");
    writeFile(card("DCIM/100TEST/A002.JPG"), "second photo, a little longer");
    const QStringList where{"--to", main.path(), "--also", backup.path(), "--project", "Shoot"};

    const CliResult run = cli.run(QStringList{"offload", card.path(), "--json"} + where);
    ASSERT_EQ(run.status, 0) << run.errText().toStdString();
    const QJsonObject summary = run.object();
    EXPECT_EQ(summary["copied"].toInt(), 2);
    const QJsonArray copies = summary["copies"].toArray();
    ASSERT_EQ(copies.size(), 4);
    EXPECT_EQ(copies.at(1).toObject()["destinationRoot"].toString(), backup.path());
    EXPECT_TRUE(copies.at(1).toObject()["verified"].toBool());
    EXPECT_EQ(summary["files"].toArray().size(), 4);
    EXPECT_TRUE(run.errText().contains("4 of 4 copies verified at 2 destinations"))
        << run.errText().toStdString();
    const QStringList atMain = filesBelow(main.path());
    EXPECT_EQ(filesBelow(backup.path()), atMain);
    ASSERT_EQ(atMain.size(), 2);

    // A backup copy goes: the file is not offloaded any more, for the erase check too.
    const QString lost = backup(atMain[1]);
    ASSERT_TRUE(QFile::remove(lost));
    ASSERT_EQ(cli.run({"settings", "backupDestinations", "[\"" + backup.path() + "\"]"}).status, 0);
    const CliResult scan = cli.run({"scan", card.path(), "--to", main.path(), "--json"});
    ASSERT_EQ(scan.status, 0) << scan.errText().toStdString();
    EXPECT_EQ(scan.object()["selection"].toObject()["missingKept"].toInt(), 1)
        << scan.outText().toStdString();

    const QByteArray mainBefore = readFile(main(atMain[1]));
    const CliResult again =
        cli.run(QStringList{"offload", card.path(), "--reoffload", "missing", "--json"} + where);
    ASSERT_EQ(again.status, 0) << again.errText().toStdString();
    EXPECT_EQ(again.object()["copied"].toInt(), 1);
    EXPECT_EQ(again.object()["copies"].toArray().size(), 1);
    EXPECT_EQ(readFile(lost), mainBefore);
    EXPECT_EQ(filesBelow(main.path()), atMain);

    // A backup that is not there blocks the run, by its name.
    const CliResult blocked =
        cli.run(QStringList{"offload", card.path(), "--to", main.path(), "--also", main("gone"),
                            "--project", "Shoot", "--reoffload", "everything"});
    EXPECT_EQ(blocked.status, 3);
    EXPECT_TRUE(blocked.errText().contains(main("gone"))) << blocked.errText().toStdString();
}

} // namespace
} // namespace stowly::test
