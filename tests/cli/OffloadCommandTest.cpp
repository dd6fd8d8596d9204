#include "cli/CliHarness.h"

#include <QCryptographicHash>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

namespace stowly::test {
namespace {

class OffloadCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeFile(card("DCIM/100TEST/A001.JPG"), "first photo");
        writeFile(card("DCIM/100TEST/A002.JPG"), "second photo, a little longer");
        writeFile(card("DCIM/100TEST/A002.XMP"), "<xmp/>");
        writeFile(card(".DS_Store"), "junk");
    }

    QString card(const QString& relative = {}) const {
        return relative.isEmpty() ? cardRoot("EOS_DIGITAL") : cardRoot("EOS_DIGITAL/" + relative);
    }
    QStringList offload(const QStringList& extra = {}) const {
        return QStringList{"offload", card(), "--to", destination.path(), "--project", "Shoot"} +
               extra;
    }

    Cli cli;
    TempDir cardRoot;
    TempDir destination;
};

// One card's whole road on the command line: scan, plan, offload, the refused second run, the
// re-offload of a lost copy, the history and forgetting the card.
TEST_F(OffloadCommandTest, ScanPlanOffloadReoffloadAndForgetInJson) {
    const CliResult scan = cli.run({"scan", card(), "--to", destination.path(), "--json"});
    ASSERT_EQ(scan.status, 0) << scan.errText().toStdString();
    const QJsonObject scanned = scan.object();
    EXPECT_EQ(scanned["card"].toObject()["identity"].toString(), "EOS_DIGITAL");
    EXPECT_EQ(scanned["card"].toObject()["path"].toString(), card());
    EXPECT_EQ(
        paths(scanned["new"].toArray()),
        QStringList({"DCIM/100TEST/A001.JPG", "DCIM/100TEST/A002.JPG", "DCIM/100TEST/A002.XMP"}));
    const QJsonObject companion = scanned["new"].toArray().at(2).toObject();
    EXPECT_EQ(companion["role"].toString(), "main");
    EXPECT_TRUE(companion["duration"].isNull());
    EXPECT_EQ(scanned["new"].toArray().at(0).toObject()["category"].toString(), "photo");
    EXPECT_EQ(scanned["new"].toArray().at(0).toObject()["size"].toInteger(), 11);
    EXPECT_EQ(scanned["ignored"].toArray(), QJsonArray({".DS_Store"}));
    EXPECT_EQ(scanned["selection"].toObject()["toCopy"].toArray().size(), 3);
    // No project yet: the desktop would say the same.
    EXPECT_EQ(scanned["blocker"].toString(), "Enter a project name");

    const CliResult plan =
        cli.run({"plan", card(), "--to", destination.path(), "--project", "Shoot", "--json"});
    ASSERT_EQ(plan.status, 0) << plan.errText().toStdString();
    const QJsonArray planned = plan.object()["files"].toArray();
    ASSERT_EQ(planned.size(), 3);
    EXPECT_EQ(plan.object()["destination"].toString(), destination.path());
    EXPECT_TRUE(plan.object()["blocker"].isNull());
    EXPECT_TRUE(planned.at(0).toObject()["folder"].toString().contains("/Shoot/"));
    EXPECT_EQ(planned.at(2).toObject()["sidecarOf"].toString(), "A002.JPG");
    EXPECT_TRUE(filesBelow(destination.path()).isEmpty()) << "plan copies nothing";

    const CliResult run = cli.run(offload({"--json"}));
    ASSERT_EQ(run.status, 0) << run.errText().toStdString();
    const QJsonObject summary = run.object();
    EXPECT_EQ(summary["copied"].toInt(), 3);
    EXPECT_EQ(summary["failed"].toInt(), 0);
    EXPECT_FALSE(summary["cancelled"].toBool());
    const QJsonArray files = summary["files"].toArray();
    ASSERT_EQ(files.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const QJsonObject file = files.at(i).toObject();
        const QJsonObject plannedFile = planned.at(i).toObject();
        EXPECT_EQ(file["destination"].toString(),
                  destination(plannedFile["folder"].toString() + "/" +
                              plannedFile["fileName"].toString()));
        const QByteArray copy = readFile(file["destination"].toString());
        EXPECT_EQ(copy, readFile(card(file["source"].toString())));
        EXPECT_EQ(file["sha256"].toString(),
                  QCryptographicHash::hash(copy, QCryptographicHash::Sha256).toHex());
    }
    EXPECT_EQ(filesBelow(destination.path()).size(), 3) << "no partial files remain";

    const CliResult again = cli.run(offload());
    EXPECT_EQ(again.status, 3);
    EXPECT_EQ(again.errText().trimmed(), "Everything on this card is already offloaded");

    const CliResult history = cli.run({"history", "--card", card(), "--json"});
    ASSERT_EQ(history.status, 0);
    ASSERT_EQ(history.array().size(), 3);
    const QJsonObject entry = history.array().at(0).toObject();
    EXPECT_EQ(entry.keys(), QStringList({"cardName", "destinationPath", "offloadedAt", "sha256",
                                         "size", "sourceKey", "sourceRelativePath"}));
    EXPECT_TRUE(entry["sourceKey"].toString().startsWith("EOS_DIGITAL|DCIM/100TEST/A001.JPG|11|"));

    SCOPED_TRACE("a lost copy");
    ASSERT_TRUE(QFile::remove(files.at(0).toObject()["destination"].toString()));
    EXPECT_EQ(paths(cli.run({"scan", card(), "--json"}).object()["missing"].toArray()),
              QStringList({"DCIM/100TEST/A001.JPG"}));
    const CliResult blocked = cli.run(offload());
    EXPECT_EQ(blocked.status, 3);
    EXPECT_EQ(blocked.errText().trimmed(),
              "1 copy is missing at the destination — choose Re-offload");
    const CliResult missing = cli.run(offload({"--reoffload", "missing", "--json"}));
    ASSERT_EQ(missing.status, 0) << missing.errText().toStdString();
    EXPECT_EQ(missing.object()["copied"].toInt(), 1);
    EXPECT_EQ(missing.object()["skipped"].toInt(), 2);
    // Asking for everything on the command line is the confirmation the window would ask for.
    const CliResult everything = cli.run(offload({"--reoffload", "everything", "--json"}));
    ASSERT_EQ(everything.status, 0) << everything.errText().toStdString();
    EXPECT_EQ(everything.object()["copied"].toInt(), 3);
    EXPECT_EQ(filesBelow(destination.path()).size(), 6);

    SCOPED_TRACE("forgetting the card");
    const CliResult forget = cli.run({"forget", card()});
    EXPECT_EQ(forget.status, 0);
    EXPECT_TRUE(forget.outText().startsWith(
        "Stowly forgot the 3 files it offloaded from “EOS_DIGITAL” (7 copies)."))
        << forget.outText().toStdString();
    EXPECT_EQ(cli.run({"history", "--json"}).array().size(), 0);
    EXPECT_EQ(cli.run({"scan", card(), "--json"}).object()["new"].toArray().size(), 3);
    EXPECT_EQ(filesBelow(destination.path()).size(), 6) << "the copies stay";
}

TEST_F(OffloadCommandTest, AFileThatCannotBeCopiedFailsTheRunButNotTheOthers) {
    const QJsonArray planned =
        cli.run({"plan", card(), "--to", destination.path(), "--project", "Shoot", "--json"})
            .object()["files"]
            .toArray();
    ASSERT_EQ(planned.size(), 3);
    // A plain file where the companion's folder must go: that folder cannot be made.
    const QString companionFolder = planned.at(2).toObject()["folder"].toString();
    ASSERT_NE(companionFolder, planned.at(0).toObject()["folder"].toString());
    writeFile(destination(companionFolder), "in the way");

    const CliResult run = cli.run(offload({"--json"}));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.object()["copied"].toInt(), 2);
    EXPECT_EQ(run.object()["failed"].toInt(), 1);
    const QJsonArray failures = run.object()["failures"].toArray();
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures.at(0).toString().startsWith("DCIM/100TEST/A002.XMP: "));
    EXPECT_TRUE(run.errText().contains("Finished with Problems"));
    EXPECT_EQ(cli.run({"history", "--json"}).array().size(), 2);
}

TEST_F(OffloadCommandTest, BlockersAndUsageErrorsHaveTheirOwnStatus) {
    struct Case {
        QStringList arguments;
        int status;
        QString message;
    };
    const QList<Case> cases{
        {{"offload", card(), "--project", "Shoot"}, 3, "Choose a destination folder"},
        {{"offload", card(), "--to", card("DCIM"), "--project", "Shoot"},
         3,
         "Your destination folder is on this card."},
        // An unplugged drive's folder is never made again on the computer's own disk.
        {{"offload", card(), "--to", destination("gone"), "--project", "Shoot"},
         3,
         "The destination folder isn’t connected — choose another"},
        {offload({"--dates", "2001-01-01..2001-01-02"}), 3,
         "Nothing new in the chosen dates — choose Any date to see everything"},
        {{"offload", cardRoot("nothing-here")}, 2, "There’s no folder at"},
        {{"offload", card(), "--camera", "A7S"}, 2, "There’s no camera named “A7S”."},
        {{"unpack"}, 2, "There’s no command “unpack”."},
        {{"format", card(), "--yes"}, 1, "Stowly only formats memory cards."},
        {{"eject", card()}, 1, "Couldn’t eject EOS_DIGITAL: "},
        // Refusing the startup disk is a refused erase, not a mistyped command.
        {{"format", "/", "--yes"}, 1, "That’s your startup disk."},
        {{"history", "--card", "/"}, 1, "That’s your startup disk."},
        {{"forget", "/"}, 1, "That’s your startup disk."},
        {{"format", destination("gone"), "--yes"}, 2, "There’s no folder at"},
    };
    for (const Case& c : cases) {
        const CliResult result = cli.run(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(result.errText().contains(c.message))
            << c.arguments.join(' ').toStdString() << ": " << result.errText().toStdString();
    }
    EXPECT_TRUE(filesBelow(destination.path()).isEmpty());
    EXPECT_FALSE(QFile::exists(cli.historyPath()));
}

// The rules are the session's; what is checked here is that the options reach them.
TEST_F(OffloadCommandTest, IncludeShortAndQuickDumpReachTheRun) {
    writeFile(card("CLIPS/C001.MP4"), readFile(STOWLY_TEST_DATA_DIR "/media/clip-1s.mp4"));
    EXPECT_EQ(cli.run({"scan", card(), "--json"}).object()["selection"].toObject()["skippedShort"],
              QJsonArray({"CLIPS/C001.MP4"}));
    const QJsonObject included = cli.run({"scan", card(), "--include-short", "--json"}).object();
    EXPECT_TRUE(
        paths(included["selection"].toObject()["toCopy"].toArray()).contains("CLIPS/C001.MP4"));

    const CliResult plan = cli.run({"plan", card(), "--to", destination.path(), "--quick-dump",
                                    "--project", "Shoot", "--json"});
    ASSERT_EQ(plan.status, 0) << plan.errText().toStdString();
    for (const QJsonValue& file : plan.object()["files"].toArray()) {
        EXPECT_FALSE(file.toObject()["folder"].toString().contains("Shoot"));
        EXPECT_FALSE(file.toObject()["fileName"].toString().contains("Shoot"));
    }
}

TEST_F(OffloadCommandTest, InterruptStopsCleanlyAndKeepsTheLedgerTrue) {
    // Copied second and large enough to be mid-copy when the interrupt arrives.
    const QString large = card("DCIM/100TEST/Z999.JPG");
    {
        QFile file(large);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(1) << 30));
    }
    QFile::remove(card("DCIM/100TEST/A002.JPG"));
    QFile::remove(card("DCIM/100TEST/A002.XMP"));

    const auto process = cli.start(offload());
    process->setReadChannel(QProcess::StandardError);
    ASSERT_TRUE(process->waitForReadyRead(60000));
    const QByteArray firstLine = process->readAllStandardError();
    ASSERT_TRUE(firstLine.startsWith("1/2 DCIM/100TEST/A001.JPG → ")) << firstLine.constData();
    ::kill(pid_t(process->processId()), SIGINT);
    ASSERT_TRUE(process->waitForFinished(60000));

    EXPECT_EQ(process->exitCode(), 130);
    const QString out = QString::fromUtf8(process->readAllStandardOutput());
    EXPECT_TRUE(out.startsWith("Offload Cancelled\n1 copied · 0 skipped · 0 failed"))
        << out.toStdString();
    const QStringList copies = filesBelow(destination.path());
    ASSERT_EQ(copies.size(), 1) << copies.join(", ").toStdString();
    EXPECT_TRUE(copies.first().endsWith(".jpg") || copies.first().endsWith(".JPG"));

    const QJsonObject scanned = cli.run({"scan", card(), "--json"}).object();
    EXPECT_EQ(paths(scanned["offloaded"].toArray()), QStringList({"DCIM/100TEST/A001.JPG"}));
    EXPECT_EQ(paths(scanned["new"].toArray()), QStringList({"DCIM/100TEST/Z999.JPG"}));
}

TEST_F(OffloadCommandTest, TheCameraComesByNameOrCodeAndIsRememberedForTheCard) {
    writeFile(cli.home(".local/share/Stowly/cameras.json"),
              R"({"cameras":[{"id":"6B29FC40-CA47-1067-B31D-00DD010662DA","name":"Sony A7S",)"
              R"("code":"A7S"}],"perCard":{}})");
    ASSERT_EQ(cli.run({"settings", "fileTemplate", "{date}_{camera}_{seq}"}).status, 0);
    const QStringList plan{"plan",      card(),  "--to",  destination.path(),
                           "--project", "Shoot", "--json"};

    const CliResult unnamed = cli.run(plan);
    EXPECT_EQ(unnamed.status, 3);
    EXPECT_EQ(unnamed.object()["blocker"].toString(), "Choose a camera");
    const CliResult named = cli.run(plan + QStringList{"--camera", "sony a7s"});
    ASSERT_EQ(named.status, 0) << named.errText().toStdString();
    EXPECT_TRUE(named.object()["files"].toArray().at(0).toObject()["fileName"].toString().contains(
        "_A7S_"));
    EXPECT_EQ(cli.run(plan).status, 3) << "a plan remembers nothing";

    ASSERT_EQ(cli.run(offload({"--camera", "A7S"})).status, 0);
    writeFile(card("DCIM/100TEST/A003.JPG"), "third photo");
    const CliResult next = cli.run(plan);
    ASSERT_EQ(next.status, 0) << next.errText().toStdString();
    EXPECT_TRUE(
        next.object()["files"].toArray().at(0).toObject()["fileName"].toString().contains("_A7S_"));
}

// A history that cannot be written does not stop the copies: they are made and proved, and the
// run says loudly that nothing remembers them.
class UnsavedHistoryTest : public OffloadCommandTest {
protected:
    QString historyFolder() const { return cli.home(".local/share/Stowly"); }

    void expectCopiedButNotRemembered(const QString& reason) {
        const CliResult run = cli.run(offload({"--json"}));
        EXPECT_EQ(run.status, 1);
        const QJsonObject result = run.object();
        EXPECT_EQ(result["copied"].toInt(), 3);
        EXPECT_EQ(result["historyNotSaved"].toString(), reason);
        EXPECT_EQ(result["files"].toArray(), QJsonArray()) << "none recorded";
        EXPECT_TRUE(run.errText().contains(
            "Couldn’t save the history: " + reason +
            ". The copies are made and verified, but Stowly won’t remember them: the card is not "
            "ready to erase."))
            << run.errText().toStdString();
        for (const QJsonValue& copy : result["copies"].toArray())
            EXPECT_EQ(readFile(copy["destination"].toString()),
                      readFile(card(copy["source"].toString())));
        EXPECT_EQ(filesBelow(destination.path()).size(), 3);
    }
};

TEST_F(UnsavedHistoryTest, ReadOnly) {
    QDir().mkpath(historyFolder());
    ReadOnlyFolder readOnly(historyFolder());
    if (!readOnly.isActive())
        GTEST_SKIP() << "cannot make a folder read-only here";
    expectCopiedButNotRemembered(::geteuid() == 0 ? "Read-only file system" : "Permission denied");
}

TEST_F(UnsavedHistoryTest, Full) {
    QString whyNot;
    const auto small = ScratchMount::tmpfs(historyFolder(), 64 * 1024, &whyNot);
    if (!small)
        GTEST_SKIP() << whyNot.toStdString();
    QFile filler(historyFolder() + "/filler");
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(4096, 'f')) == 4096 && filler.flush()) {
    }
    filler.close();
    expectCopiedButNotRemembered("No space left on device");
}

} // namespace
} // namespace stowly::test
