// Real failing system calls: libfiu's POSIX preload library makes write, read, fsync and close
// fail inside a helper program that copies one file, and small tmpfs mounts run out of space
// for real.

#include "CopyTestSupport.h"
#include "devices/ProcessRunner.h"
#include "support/FaultPreload.h"
#include "support/ScratchMount.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

constexpr qint64 MiB = 1024 * 1024;
const QString chunksOf20MiB = "8388608,8388608,4194304";

struct ProbeOutcome {
    int exitCode = -1;
    QString chunks;
    int faults = -1;
    QString result;
};

bool canInjectFaults(QString* whyNot) {
    if (!QFile::exists("/usr/lib/fiu/fiu_posix_preload.so")) {
        *whyNot = "libfiu's POSIX preload library is not installed";
        return false;
    }
    return true;
}

ProbeOutcome runProbe(const QString& point, int error, int callsLetThrough, const QString& source,
                      const QString& destination) {
    // What fiu-run sets up, with the sanitizer runtime kept in front of libfiu.
    const QString preload =
        faultPreload({"/usr/lib/fiu/fiu_run_preload.so", "/usr/lib/fiu/fiu_posix_preload.so"});
    const CommandResult run = ProcessRunner().run(
        "env", {"FIU_ENABLE=", "FIU_CTRL_FIFO=", "LD_PRELOAD=" + preload,
                QStringLiteral(STOWLY_BIN_DIR "/stowly_copy_probe"), point, QString::number(error),
                QString::number(callsLetThrough), source, destination});
    ProbeOutcome outcome;
    outcome.exitCode = run.failure ? -1 : run.status;
    const QString output = QString::fromUtf8(run.output) + run.errorOutput;
    for (const QString& line : output.split(u'\n')) {
        if (line.startsWith("chunks "))
            outcome.chunks = line.mid(7);
        else if (line.startsWith("faults "))
            outcome.faults = line.mid(7).toInt();
        else if (line.startsWith("ok ") || line.startsWith("failed "))
            outcome.result = line;
        else if (!line.isEmpty())
            ADD_FAILURE() << "probe said: " << line.toStdString();
    }
    return outcome;
}

struct FaultCase {
    const char* name;
    const char* point;
    int error;
    int callsLetThrough;
    qint64 sourceSize;
    const char* result;
    QString chunks;
    // How often the fault point was reached; -1 when it does not matter.
    int faults;
};

void PrintTo(const FaultCase& fault, std::ostream* out) {
    *out << fault.name;
}

class CopierFaultTest : public ::testing::TestWithParam<FaultCase> {
protected:
    void SetUp() override {
        QString whyNot;
        if (!canInjectFaults(&whyNot))
            GTEST_SKIP() << whyNot.toStdString();
        bystander = writeFile(dir("dest/C0000.MP4"), "someone else's");
    }

    TempDir dir;
    QString bystander;
};

TEST_P(CopierFaultTest, FailingCallFailsTheCopyAndLeavesOnlyWhatWasThere) {
    const FaultCase& fault = GetParam();
    const QString source = writeFile(dir("card/C0001.MP4"), patternBytes(fault.sourceSize));
    const ProbeOutcome outcome = runProbe(QString::fromLatin1(fault.point), fault.error,
                                          fault.callsLetThrough, source, dir("dest/C0001.MP4"));

    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.result, QString::fromUtf8(fault.result));
    EXPECT_EQ(outcome.chunks, fault.chunks);
    if (fault.faults >= 0) {
        EXPECT_EQ(outcome.faults, fault.faults);
    }
    EXPECT_EQ(namesIn(dir("dest")), QStringList{"C0000.MP4"});
    EXPECT_EQ(readFile(bystander), "someone else's");
}

INSTANTIATE_TEST_SUITE_P(
    Calls, CopierFaultTest,
    ::testing::Values(
        FaultCase{"fullDiskAtTheFirstWrite", "posix/io/rw/write", ENOSPC, 0, 20 * MiB,
                  "failed system Couldn’t write C0001.MP4.stowly-partial: No space left on "
                  "device.",
                  QString(), 1},
        // A chunk goes out in eight writes of 1 MiB.
        FaultCase{"fullDiskInTheSecondChunk", "posix/io/rw/write", ENOSPC, 8, 20 * MiB,
                  "failed system Couldn’t write C0001.MP4.stowly-partial: No space left on "
                  "device.",
                  "8388608", 9},
        FaultCase{"sourceReadError", "posix/io/rw/read", EIO, 0, 20 * MiB,
                  "failed system Couldn’t read C0001.MP4: Input/output error.", QString(), 1},
        // An empty source takes exactly one read (the end), so the second read is the
        // read-back's.
        FaultCase{"readBackError", "posix/io/rw/read", EIO, 1, 0,
                  "failed system Couldn’t read back C0001.MP4.stowly-partial: Input/output "
                  "error.",
                  QString(), -1},
        // One flush only: a failed fsync is never tried again on the same file.
        FaultCase{"flushError", "posix/io/sync/fsync", EIO, 0, 20 * MiB,
                  "failed system Couldn’t flush C0001.MP4.stowly-partial to the disk: "
                  "Input/output error.",
                  chunksOf20MiB, 1},
        // The copy had its final name already, but a name that may not survive a power loss
        // is no verified copy: it goes too.
        FaultCase{"folderFlushError", "posix/io/sync/fsync", EIO, 1, 20 * MiB,
                  "failed system Couldn’t flush the folder of C0001.MP4 to the disk: "
                  "Input/output error.",
                  chunksOf20MiB, 2},
        FaultCase{"closeError", "posix/io/oc/close", EIO, 0, 20 * MiB,
                  "failed system Couldn’t close C0001.MP4.stowly-partial: Input/output error.",
                  chunksOf20MiB, -1}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(CopierShortTransferTest, ShortReadsAndWritesStillGiveAWholeCopyInWholeChunks) {
    QString whyNot;
    if (!canInjectFaults(&whyNot))
        GTEST_SKIP() << whyNot.toStdString();
    TempDir dir;
    const QByteArray content = patternBytes(20 * MiB);
    const QString source = writeFile(dir("card/C0001.MP4"), content);
    QDir().mkpath(dir("dest"));
    // The read-back's reads get cut short too, which also takes it off the cache-bypassing
    // path where a cut leaves an unaligned offset.
    for (const char* point : {"posix/io/rw/read/reduce", "posix/io/rw/write/reduce"}) {
        const QString target =
            dir("dest/" + QString::fromLatin1(point).section(u'/', 3, 3) + ".MP4");
        const ProbeOutcome outcome = runProbe(QString::fromLatin1(point), 0, 0, source, target);
        EXPECT_EQ(outcome.exitCode, 0) << point;
        EXPECT_GT(outcome.faults, 3) << point;
        EXPECT_EQ(outcome.result, "ok " + sha256Text(content)) << point;
        EXPECT_EQ(outcome.chunks, chunksOf20MiB) << point;
        EXPECT_EQ(readFile(target), content) << point;
    }
}

// Small tmpfs volumes that run out of room for real: of blocks while writing, or (with room
// for the root folder and one file) of files before the copy can start.
TEST(CopierFullDiskTest, AFullVolumeFailsTheCopyAndKeepsWhatWasThere) {
    for (const bool outOfFiles : {false, true}) {
        TempDir dir;
        QString whyNot;
        const auto mount = ScratchMount::tmpfs(dir("small"), 4 * MiB, &whyNot, outOfFiles ? 2 : 0);
        if (!mount)
            GTEST_SKIP() << whyNot.toStdString();
        const QString bystander = writeFile(mount->path() + "/C0000.MP4", "kept");
        const QString source = writeFile(dir("card/C0001.MP4"),
                                         outOfFiles ? QByteArray("new") : patternBytes(6 * MiB));

        const CopyResult result = RecordedCopy().run(source, mount->path() + "/C0001.MP4");
        ASSERT_FALSE(result.ok());
        if (outOfFiles) {
            EXPECT_EQ(result.failure().kind, CopyFailure::Kind::couldNotCreate);
            EXPECT_EQ(result.failure().description,
                      "Couldn’t create C0001.MP4.stowly-partial in the destination: the "
                      "destination is full.");
        } else {
            EXPECT_EQ(result.failure().description,
                      "Couldn’t write C0001.MP4.stowly-partial: No space left on device.");
        }
        EXPECT_EQ(namesIn(mount->path()), QStringList{"C0000.MP4"});
        EXPECT_EQ(readFile(bystander), "kept");
    }
}

} // namespace
