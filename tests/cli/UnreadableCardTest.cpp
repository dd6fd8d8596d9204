// A card that cannot be read is not an empty one: the walk over it fails through libfiu (its
// folders or their entries cannot be read) or because the card is pulled out during it, and
// every command says where and why, keeps what was read, fails, and never erases the card.

#include "cli/CliHarness.h"
#include "devices/ProcessRunner.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stowly::test {
namespace {

QString fileSystemUuid(const QString& device) {
    return QString::fromUtf8(ProcessRunner()
                                 .run("blkid", {"-p", "-o", "value", "-s", "UUID", device},
                                      std::chrono::seconds(20))
                                 .output)
        .trimmed();
}

TEST(UnreadableCardTest, EveryCommandSaysWhereTheCardCouldNotBeReadAndFails) {
    TempDir root;
    TempDir destination;
    const QString card = root("EOS_DIGITAL");
    writeFile(card + "/DCIM/100TEST/A.JPG", "a");
    writeFile(card + "/DCIM/101TEST/B.JPG", "b");
    if (cardWalkFaults(card, "scan").isEmpty())
        GTEST_SKIP() << "Skipped: libfiu's POSIX preload library (fiu-utils) is not installed";
    Cli cli;
    const QStringList run{card, "--to", destination.path(), "--project", "P"};
    const QString folderUnread =
        "Stowly couldn’t read “DCIM/101TEST” on this card (Input/output error).";

    struct Case {
        QString points;
        QString said;
    };
    for (const Case& c : QList<Case>{{"fdopendir", folderUnread},
                                     {"readdir", folderUnread},
                                     {"statx", "Stowly couldn’t read “DCIM/101TEST/B.JPG” on this "
                                               "card (Input/output error)."}}) {
        SCOPED_TRACE(c.points.toStdString());
        cli.environment = cardWalkFaults(card + "/DCIM/101TEST", c.points);
        const CliResult scan = cli.run(QStringList{"scan", "--json"} + run);
        EXPECT_EQ(scan.status, 1);
        EXPECT_EQ(paths(scan.object()["new"].toArray()), QStringList({"DCIM/100TEST/A.JPG"}));
        EXPECT_TRUE(scan.errText().startsWith(c.said)) << scan.errText().toStdString();
    }

    // What was read is copied; the run fails all the same, and says why.
    cli.environment = cardWalkFaults(card + "/DCIM/101TEST", "readdir");
    const CliResult scan = cli.run(QStringList{"scan"} + run);
    EXPECT_EQ(scan.status, 1);
    EXPECT_TRUE(scan.outText().contains("\nTo copy: 1 file (1 byte)\n" + folderUnread +
                                        " Whatever it couldn’t read isn’t offloaded"))
        << scan.outText().toStdString();
    const CliResult partly = cli.run(QStringList{"offload"} + run);
    EXPECT_EQ(partly.status, 1);
    EXPECT_TRUE(partly.errText().contains(folderUnread)) << partly.errText().toStdString();
    EXPECT_EQ(filesBelow(destination.path()).size(), 1);

    cli.environment.clear();
    ASSERT_EQ(cli.run(QStringList{"offload"} + run).status, 0);
    EXPECT_EQ(filesBelow(destination.path()).size(), 2);

    // Everything is offloaded, but a card that cannot be read at all is not known to be.
    cli.environment = cardWalkFaults(card, "fdopendir");
    const CliResult unread = cli.run(QStringList{"offload"} + run);
    EXPECT_EQ(unread.status, 1);
    EXPECT_EQ(unread.errText().trimmed(), "Stowly couldn’t read this card (Input/output error).");
}

// A folder of a real card that cannot be read, and the card pulled out while the command takes
// its last look before the erase: the card is never erased.
TEST(UnreadableCardTest, ACardNotReadThroughIsNeverErased) {
    TempDir folder;
    TempDir destination;
    QString why;
    const auto card = mediaCard("PULL", folder.path(), ScratchMount::Driver::fuse, &why);
    if (!card)
        GTEST_SKIP() << "Skipped: " << why.toStdString();
    const QString& label = card->label;
    const QString& mountPoint = card->mountPoint;
    ScratchMount* scratch = card->scratch.get();
    if (cardWalkFaults(mountPoint, "scan").isEmpty())
        GTEST_SKIP() << "Skipped: libfiu's POSIX preload library (fiu-utils) is not installed";
    writeFile(mountPoint + "/DCIM/100TEST/A.JPG", "a");
    writeFile(mountPoint + "/DCIM/101TEST/B.JPG", "b");
    // An erase makes a new file system, with a new UUID.
    const QString uuid = fileSystemUuid(scratch->device());
    ASSERT_FALSE(uuid.isEmpty());
    Cli cli;
    const QStringList offload{"offload", mountPoint, "--to", destination.path(), "--project", "P"};

    // All that could be read is offloaded, so the card looks ready, but it was not read through:
    // no success, so the card is not ejected either.
    ASSERT_EQ(cli.run({"settings", "ejectAfterOffload", "true"}).status, 0);
    cli.environment = cardWalkFaults(mountPoint + "/DCIM/101TEST", "fdopendir");
    EXPECT_EQ(cli.run(offload).status, 1);
    EXPECT_TRUE(QFile::exists(mountPoint + "/DCIM/101TEST/B.JPG")) << "the card was ejected";
    cli.environment.clear();
    ASSERT_EQ(cli.run({"settings", "ejectAfterOffload", "false"}).status, 0);
    cli.environment = cardWalkFaults(mountPoint + "/DCIM/101TEST", "fdopendir");
    const CliResult refused = cli.run({"format", mountPoint, "--yes"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.errText().trimmed(),
              "Stowly couldn’t read “DCIM/101TEST” on this card (Input/output error).");
    EXPECT_EQ(fileSystemUuid(scratch->device()), uuid) << "the card was erased";

    cli.environment.clear();
    ASSERT_EQ(cli.run(offload).status, 0);
    // The folder is opened once by the command's own scan, once by the look before the erase.
    const QString fifo = folder("go");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    cli.environment = cardWalkFaults(mountPoint + "/DCIM/100TEST", "fdopendir");
    cli.environment.insert("SOAK_FAULT_PROBABILITY", "0");
    cli.environment.insert("SOAK_FAULT_PAUSE_NTH", "2");
    cli.environment.insert("SOAK_FAULT_PAUSE_FIFO", fifo);
    const auto format = cli.start({"format", mountPoint, "--yes"});
    format->closeWriteChannel();
    ASSERT_TRUE(spinUntil(
        [&] { return QFile::exists(fifo + ".paused") || format->state() == QProcess::NotRunning; },
        60000));
    ASSERT_TRUE(QFile::exists(fifo + ".paused")) << format->readAllStandardError().toStdString();
    ASSERT_TRUE(scratch->pull(&why)) << why.toStdString();
    int go = -1;
    ASSERT_TRUE(spinUntil([&] {
        return (go = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK)) >= 0;
    }));
    ::close(go);
    ASSERT_TRUE(format->waitForFinished(60000));

    EXPECT_EQ(format->exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(format->readAllStandardError()).trimmed(),
              "“" + label +
                  "” wasn’t formatted. Stowly couldn’t read “DCIM/100TEST” on this card "
                  "(Transport endpoint is not connected).");
    EXPECT_EQ(fileSystemUuid(scratch->device()), uuid) << "the card was erased";
}

} // namespace
} // namespace stowly::test
