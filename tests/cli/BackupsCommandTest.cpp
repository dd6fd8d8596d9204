// Offloads with backup destinations on the command line: one copy per destination under one
// relative path, files counted as offloaded only while every destination has its copy, and the
// re-offload of missing copies filling only the gap.

#include "cli/CliHarness.h"

#include <QDir>
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

QStringList historyOf(const QString& root) {
    return QDir(root + "/ascmhl").entryList(QDir::Files, QDir::Name);
}

TEST(BackupsCommandTest, EveryDestinationGetsAnAscMhlGenerationOfTheSameRun) {
    Cli cli;
    TempDir card, main, backup;
    writeFile(card("DCIM/100TEST/A001.JPG"), "first photo");
    const QStringList where{"--to",  main.path(), "--also", backup.path(),
                            "--mhl", "--project", "Shoot"};
    ASSERT_EQ(cli.run(QStringList{"offload", card.path()} + where).status, 0);

    const QStringList first = historyOf(main.path());
    ASSERT_EQ(first.size(), 2) << first.join(' ').toStdString();
    EXPECT_EQ(first[1], "ascmhl_chain.xml");
    // One start time names the generation at every destination.
    EXPECT_EQ(historyOf(backup.path())[0].section('_', 2), first[0].section('_', 2));
    const QString manifest = QString::fromUtf8(readFile(main("ascmhl/" + first[0])));
    EXPECT_TRUE(manifest.contains("<process>transfer</process>"));
    EXPECT_TRUE(manifest.contains("<xxh128 action=\"original\""));
    EXPECT_TRUE(manifest.contains(backup.path())) << "the sibling destination is named";
    const QByteArray generationOne = readFile(main("ascmhl/" + first[0]));

    // Folders whose every file the history records get their hashes; one with a stranger in it
    // does not.
    const QString copied = filesBelow(main.path()).filter(".jpg").first();
    const QString day = copied.section('/', 0, 0), leaf = copied.section('/', 0, -2);
    EXPECT_TRUE(manifest.contains("<path>" + day + "</path>"));
    writeFile(backup(day + "/notes.txt"), "a stranger");
    writeFile(card("DCIM/100TEST/A002.JPG"), "second photo");
    ASSERT_EQ(cli.run(QStringList{"offload", card.path()} + where).status, 0);
    const QStringList second = historyOf(backup.path());
    ASSERT_EQ(second.size(), 3);
    const QString next = QString::fromUtf8(readFile(backup("ascmhl/" + second[1])));
    EXPECT_TRUE(next.contains("<path>" + leaf + "</path>")) << next.toStdString();
    EXPECT_FALSE(next.contains("<path>" + day + "</path>"));
    EXPECT_EQ(readFile(main("ascmhl/" + first[0])), generationOne);
    EXPECT_EQ(cli.run({"verify", main.path()}).status, 0);

    // A copy that changes later is caught at its destination only.
    const QStringList photos = filesBelow(backup.path()).filter("_0001.");
    ASSERT_EQ(photos.size(), 1);
    const QString copy = backup(photos.first());
    QByteArray bytes = readFile(copy);
    bytes[0] = char(bytes[0] ^ 1);
    writeFile(copy, bytes);
    const CliResult check = cli.run({"verify", backup.path()});
    EXPECT_EQ(check.status, 1);
    EXPECT_TRUE(check.outText().contains(photos.first())) << check.outText().toStdString();
    EXPECT_EQ(cli.run({"verify", main.path()}).status, 0);
}

} // namespace
} // namespace stowly::test
