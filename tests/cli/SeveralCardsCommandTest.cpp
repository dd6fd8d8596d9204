#include "cli/CliHarness.h"

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

constexpr qint64 MiB = 1 << 20;

// Cards with the same names on one command line copy into one folder, taking turns, each under
// names of its own; each gets its summary, and the status is the worst (an empty card's).
TEST(SeveralCardsCommandTest, OffloadsEveryCardNamedThroughTheQueue) {
    Cli cli;
    TempDir cards;
    TempDir destination;
    QString whyNot;
    const QString otherDrive = cards("drive");
    const auto mount = ScratchMount::tmpfs(otherDrive, 32 * MiB, &whyNot);
    if (!mount)
        GTEST_SKIP() << whyNot.toStdString();
    for (const char* name : {"A_CARD", "B_CARD", "C_CARD"}) {
        writeFile(cards(QString(name) + "/DCIM/100/C0001.MP4"), QByteArray(2 * MiB, name[0]));
        writeFile(cards(QString(name) + "/DCIM/100/C0002.JPG"), QByteArray(1000, name[0]));
    }
    writeFile(cards("EMPTY/.keep"), "");

    const CliResult run = cli.run({"offload", cards("A_CARD"), cards("B_CARD"), cards("EMPTY"),
                                   "--to", destination.path(), "--project", "Shoot", "--json"});
    EXPECT_EQ(run.status, 3) << "the empty card has nothing to offload: "
                             << run.errText().toStdString();
    const QJsonArray outcomes = run.array();
    ASSERT_EQ(outcomes.size(), 2) << run.outText().toStdString();
    for (const QJsonValue& outcome : outcomes) {
        EXPECT_EQ(outcome["copied"].toInt(), 2);
        EXPECT_EQ(outcome["failed"].toInt(), 0);
        // The temporary folder is on a local disk.
        for (const QJsonValue& copy : outcome["copies"].toArray())
            EXPECT_EQ(copy["readBack"], "device");
    }
    EXPECT_FALSE(run.errText().contains("read back through a cache"));
    EXPECT_TRUE(run.errText().contains("“B_CARD”: waiting for its turn on the drive."));
    QStringList copied = filesBelow(destination.path());
    EXPECT_EQ(copied.size(), 4) << copied.join(", ").toStdString();
    copied.removeDuplicates();
    EXPECT_EQ(copied.size(), 4);

    // Another process on another drive records into the same history.
    const CliResult more =
        cli.run({"offload", cards("C_CARD"), "--to", otherDrive, "--project", "Shoot"});
    EXPECT_EQ(more.status, 0) << more.errText().toStdString();
    // A tmpfs holds its files in memory only: nothing proves them against a drive.
    EXPECT_TRUE(
        more.outText().contains(QString("The copies on “%1” could only be read back through "
                                        "a cache; they are not proved against the drive "
                                        "itself.")
                                    .arg(otherDrive)))
        << more.outText().toStdString();
    const CliResult history = cli.run({"history", "--json"});
    EXPECT_EQ(history.array().size(), 6) << history.outText().toStdString();
    EXPECT_EQ(cli.run({"offload", cards("A_CARD"), cards("A_CARD")}).status, 2);
}

} // namespace
} // namespace stowly::test
