// Offloads to a real file server on loopback, reached through a FUSE client: what the copy's
// proof sees of the server, and what a server that goes away leaves behind.

#include "CopyTestSupport.h"
#include "copy/LeftPartials.h"
#include "copy/Offloader.h"
#include "history/History.h"
#include "history/HistoryJournal.h"
#include "support/NetworkShare.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QRegularExpression>

#include <array>
#include <fcntl.h>
#include <unistd.h>

using namespace stowly;
using namespace stowly::test;

namespace {

constexpr qint64 MiB = 1024 * 1024;

// Every partial file below a folder, as relative paths.
QStringList partialsBelow(const QString& folder) {
    QStringList found;
    QDirIterator it(folder, {"*.stowly-partial"}, QDir::Files | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(folder).relativeFilePath(it.next());
    return found;
}

class ShareOffloadTest : public ::testing::TestWithParam<NetworkShare::Kind> {
protected:
    void SetUp() override {
        QString whyNot;
        share = NetworkShare::start(GetParam(), dir("share"), &whyNot);
        if (!share)
            GTEST_SKIP() << whyNot.toStdString();
    }
    void TearDown() override {
        share.reset();
        // What this test's runs left for later runs to remove is gone with its share.
        LeftPartials::take();
    }

    TempDir dir;
    std::unique_ptr<NetworkShare> share;
};

TEST_P(ShareOffloadTest, AByteChangedOnTheServerAfterTheWriteIsFoundByTheReadBack) {
    const QString source = writeFile(dir("card/C0001.MP4"), patternBytes(3 * MiB, 7));
    test::RecordedCopy copy;
    // The server's own disk changes under the share, where no cache of the client can see it.
    copy.atVerify = [&] {
        const QByteArray partial =
            fileNames::encode(share->serverFolder() + "/C0001.MP4.stowly-partial");
        const int fd = ::open(partial.constData(), O_WRONLY);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::pwrite(fd, "\x5a", 1, 2 * MiB + 11), 1);
        ::fsync(fd);
        ::close(fd);
    };

    EXPECT_EQ(outcomeOf(copy.run(source, share->mountPoint() + "/C0001.MP4")),
              "Checksum mismatch for C0001.MP4. The copy was deleted.");
    EXPECT_TRUE(spinUntil([&] { return partialsBelow(share->serverFolder()).isEmpty(); }, 5000));
    EXPECT_FALSE(QFile::exists(share->serverFolder() + "/C0001.MP4"));
}

TEST_P(ShareOffloadTest, AServerStoppedMidOffloadFailsItsFilesOnceAndLeavesNothingOnceBack) {
    OffloadJob job;
    QList<QByteArray> contents;
    for (int i = 1; i <= 4; ++i) {
        contents << patternBytes(16 * MiB, i);
        const QString name = QString("C%1.MP4").arg(i, 4, 10, QChar('0'));
        job.plan << plannedCopy(dir("card"), "CLIP/" + name, contents.last(), "Clips", name);
    }
    job.destination = share->mountPoint();
    const QString historyPath = dir("home/ledger.json");
    QDir().mkpath(dir("home"));

    OffloadSummary summary;
    {
        History history(historyPath);
        const auto run = history.journal()->startRun();
        bool stopped = false;
        summary = Offloader::run(
            job,
            [&](const OffloadProgress& progress) {
                // The first file is proved and the second on its way.
                if (!stopped && progress.filesDone >= 1 && progress.bytesDone >= 20 * MiB) {
                    stopped = true;
                    QString whyNot;
                    ASSERT_TRUE(share->stopServer(&whyNot)) << whyNot.toStdString();
                }
            },
            [&](const HistoryEntry& entry, const QString&, const QMap<QString, QString>&) {
                history.add(entry, true);
            },
            {}, run.get());
        history.saveIfNeeded();
        // Nothing is recorded that is not on the server as proved.
        for (const HistoryEntry& entry : history.entries())
            EXPECT_EQ(sha256Text(readFile(share->serverFolder() + "/Clips/" +
                                          entry.destinationPath.section('/', -1))),
                      entry.sha256);
        EXPECT_EQ(history.entries().size(), summary.copied);
    }

    EXPECT_EQ(summary.copied, 1);
    EXPECT_EQ(summary.failed, 3);
    // The share is named once; a file in flight may have read back torn before that was plain.
    const QStringList shareLines = summary.failures.filter(QRegularExpression("^The share “"));
    EXPECT_EQ(shareLines.size(), 1) << summary.failures.join("\n").toStdString();
    EXPECT_LE(summary.failures.size(), 2) << summary.failures.join("\n").toStdString();

    QString whyNot;
    ASSERT_TRUE(share->startServer(&whyNot)) << whyNot.toStdString();
    // rclone keeps folders it failed to make while the server was away out of its view until it
    // mounts the share again; until then the history keeps its notes for a folder not there.
    ASSERT_TRUE(share->remount(&whyNot)) << whyNot.toStdString();
    // The next start settles what the run could not: the partial file it left is removed.
    ASSERT_TRUE(spinUntil(
        [&] {
            const History next(historyPath);
            return partialsBelow(share->serverFolder()).isEmpty();
        },
        30000))
        << partialsBelow(share->serverFolder()).join(", ").toStdString()
        << readFile(historyPath + ".journal").toStdString();
    EXPECT_EQ(History(historyPath).entries().size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Servers, ShareOffloadTest,
                         ::testing::Values(NetworkShare::Kind::smb, NetworkShare::Kind::sftp),
                         [](const ::testing::TestParamInfo<NetworkShare::Kind>& info) {
                             return std::string(std::array{"smb", "sftp"}[int(info.param)]);
                         });

} // namespace
