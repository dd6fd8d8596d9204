// A backup made from the destination's proved copy rather than the card: the same files under
// the same names, each recorded as a copy of the card's file, and the card counted as offloaded
// only once they are there.

#include "cli/CliHarness.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <csignal>

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

// Killed while the backup is being made from the first copies: the next run takes it up from
// them, and leaves one copy of each file, each recorded once, and no partial file.
TEST(CascadeCommandTest, AKilledCascadeIsTakenUpByTheNextRun) {
    Cli cli;
    TempDir card, main, backup;
    for (int i = 1; i <= 6; ++i)
        writeFile(card(QString("DCIM/100TEST/C%1.MP4").arg(i, 4, 10, QChar(u'0'))),
                  QByteArray(24 << 20, char('a' + i)));
    const QStringList offload{"offload",   card.path(),   "--to",      main.path(),
                              "--cascade", backup.path(), "--project", "Shoot"};
    const auto first = cli.start(offload);
    first->setReadChannel(QProcess::StandardError);
    QByteArray said;
    while (!said.contains("can be taken out") && first->state() == QProcess::Running) {
        first->waitForReadyRead(50);
        said += first->readAllStandardError();
    }
    ASSERT_TRUE(said.contains("can be taken out")) << said.toStdString();
    ::kill(pid_t(first->processId()), SIGKILL);
    first->waitForFinished();
    const QString backlog = cli.home(".local/share/Stowly/cascades.jsonl");
    ASSERT_TRUE(QFile::exists(backlog)) << "the backup was made before the kill";

    const CliResult again = cli.run(offload + QStringList{"--json"});
    ASSERT_EQ(again.status, 0) << again.errText().toStdString();
    const QStringList atMain = filesBelow(main.path());
    ASSERT_EQ(atMain.size(), 6);
    EXPECT_EQ(filesBelow(backup.path()), atMain);
    for (const QString& file : atMain)
        EXPECT_EQ(readFile(backup(file)), readFile(main(file)));
    EXPECT_EQ(cli.run({"history", "--json"}).array().size(), 12);
    EXPECT_FALSE(QFile::exists(backlog));
}

// A first copy the history cannot keep is copied on to no backup: nothing counts on it. The
// next offload makes the file again at both places, once each.
TEST(CascadeCommandTest, AFirstCopyTheHistoryCannotKeepIsNotCascaded) {
    Cli cli;
    TempDir card, main, backup;
    writeFile(card("DCIM/100TEST/A001.JPG"), "first photo");
    const QString historyFolder = cli.home(".local/share/Stowly");
    QDir().mkpath(historyFolder);
    const QStringList offload{"offload",   card.path(),   "--to",      main.path(),
                              "--cascade", backup.path(), "--project", "Shoot"};
    {
        ReadOnlyFolder readOnly(historyFolder);
        if (!readOnly.isActive())
            GTEST_SKIP() << "cannot make a folder read-only here";
        const CliResult run = cli.run(offload);
        EXPECT_EQ(run.status, 1) << run.errText().toStdString();
        EXPECT_EQ(filesBelow(main.path()).size(), 1);
        EXPECT_TRUE(filesBelow(backup.path()).isEmpty());
    }
    const CliResult again = cli.run(offload);
    ASSERT_EQ(again.status, 0) << again.errText().toStdString();
    EXPECT_EQ(filesBelow(main.path()).size(), 2) << "the copy nobody remembers is left alone";
    const QStringList atBackup = filesBelow(backup.path());
    ASSERT_EQ(atBackup.size(), 1);
    const QJsonArray history = cli.run({"history", "--json"}).array();
    ASSERT_EQ(history.size(), 2);
    for (const QJsonValue& entry : history)
        EXPECT_TRUE(QFile::exists(entry["destinationPath"].toString()));
    EXPECT_TRUE(QFile::exists(backup(atBackup[0])));
}

} // namespace
} // namespace stowly::test
