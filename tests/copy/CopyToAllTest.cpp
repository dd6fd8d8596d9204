// One read of the source feeding several destinations, each of which succeeds or fails on its
// own, and the second read of the source that catches a card giving other bytes.

#include "CopyTestSupport.h"
#include "support/ScratchMount.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>

using namespace stowly;
using namespace stowly::test;

namespace {

constexpr qint64 MiB = 1024 * 1024;

// Bytes this process has read through read calls so far, from every thread.
qint64 bytesReadByProcess() {
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
}

struct Destinations {
    TempDir dir;
    QString source;
    QByteArray content = patternBytes(3 * MiB + 12345);
    QStringList targets;

    Destinations() {
        source = writeFile(dir("card/C0001.MP4"), content);
        for (const char* name : {"a", "b", "c"}) {
            QDir().mkpath(dir(name));
            targets << dir(QString::fromLatin1(name) + "/C0001.MP4");
        }
    }

    QList<CopyResult> copy(const Copier::OnVerifyAt& onVerify = {}, std::stop_token stop = {},
                           const Copier::Checks& checks = {}, const Copier::OnBytes& onBytes = {}) {
        return Copier::copyToAll(fileNames::encode(source), targets, onBytes, onVerify, stop,
                                 nullptr, FolderCalls::system(), checks);
    }
};

TEST(CopyToAllTest, ReadsTheCardOnceAndAFullDestinationFailsAlone) {
    Destinations world;
    QString whyNot;
    const auto full = ScratchMount::tmpfs(world.dir("b"), 1 * MiB, &whyNot);
    if (!full)
        GTEST_SKIP() << whyNot.toStdString();

    qint64 tapped = 0;
    Copier::Checks checks;
    checks.tap = [&](const char*, qsizetype size) { tapped += size; };
    const qint64 before = bytesReadByProcess();
    const QList<CopyResult> results = world.copy({}, {}, checks);
    const qint64 read = bytesReadByProcess() - before;

    ASSERT_EQ(results.size(), 3);
    EXPECT_EQ(outcomeOf(results[0]), "ok " + sha256Text(world.content));
    EXPECT_EQ(results[1].failure().systemError, ENOSPC) << outcomeOf(results[1]).toStdString();
    EXPECT_EQ(outcomeOf(results[2]), "ok " + sha256Text(world.content));
    EXPECT_EQ(readFile(world.targets[0]), world.content);
    EXPECT_EQ(readFile(world.targets[2]), world.content);
    EXPECT_TRUE(namesIn(world.dir("b")).isEmpty())
        << namesIn(world.dir("b")).join(' ').toStdString();
    EXPECT_EQ(tapped, world.content.size());
    // The card once and each good copy once; a second read of the card would add a whole size.
    const qint64 size = world.content.size();
    EXPECT_GE(read, 3 * size);
    EXPECT_LT(read, 4 * size);
}

TEST(CopyToAllTest, ARefusedOrCancelledCopyLeavesOnlyWhatVerified) {
    {
        Destinations world;
        const QList<CopyResult> results =
            world.copy([](int index, const QString&, qint64) -> std::optional<CopyFailure> {
                if (index == 1)
                    return CopyFailure{CopyFailure::Kind::system, "not noted", 0};
                return std::nullopt;
            });
        EXPECT_TRUE(results[0].ok());
        EXPECT_EQ(outcomeOf(results[1]), "not noted");
        EXPECT_TRUE(results[2].ok());
        EXPECT_TRUE(namesIn(world.dir("b")).isEmpty());
    }
    {
        Destinations world;
        std::stop_source stop;
        const QList<CopyResult> results =
            world.copy({}, stop.get_token(), {}, [&](qint64) { stop.request_stop(); });
        for (const CopyResult& result : results)
            EXPECT_EQ(result.failure().kind, CopyFailure::Kind::cancelled);
        for (const char* name : {"a", "b", "c"})
            EXPECT_TRUE(namesIn(world.dir(name)).isEmpty()) << name;
    }
}

TEST(CopyToAllTest, ACardThatReadsDifferentlyTheSecondTimeFailsTheFileEverywhere) {
    Destinations world;
    Copier::Checks checks;
    checks.verifySource = true;
    int announced = 0;
    checks.onVerifyingSource = [&] {
        ++announced;
        // Same size, one byte different: what a failing reader hands over.
        QFile file(world.source);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.seek(2 * MiB);
        file.write("\x5a", 1);
    };
    const QList<CopyResult> results = world.copy({}, {}, checks);
    EXPECT_EQ(announced, 1);
    for (const CopyResult& result : results) {
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.failure().kind, CopyFailure::Kind::sourceReadDiffers);
        EXPECT_EQ(result.failure().description,
                  "C0001.MP4 read differently from the card the second time. The card or its "
                  "reader may be failing, so the copies were deleted.");
    }
    for (const char* name : {"a", "b", "c"})
        EXPECT_TRUE(namesIn(world.dir(name)).isEmpty()) << name;

    // An unchanged card passes the second read.
    Destinations steady;
    for (const CopyResult& result : steady.copy({}, {}, Copier::Checks{{}, true, {}}))
        EXPECT_EQ(outcomeOf(result), "ok " + sha256Text(steady.content));
}

} // namespace
