#include "CopyTestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <linux/magic.h>
#include <stdexcept>
#include <stdio.h>
#include <sys/mman.h>
#include <sys/vfs.h>
#include <unistd.h>

using namespace stowly;
using namespace stowly::test;

namespace {

constexpr qint64 MiB = 1024 * 1024;

// The ways the final move can go, forced on ext4 by refusing the calls the way other file
// systems do: the no-replace rename, else a hard link, else the checked placeholder.
enum class MoveWay { noReplaceRename, hardLink, placeholder };

FolderCalls callsFor(MoveWay way) {
    FolderCalls calls = FolderCalls::system();
    if (way == MoveWay::noReplaceRename)
        return calls;
    const auto rename = calls.renameAt;
    calls.renameAt = [rename](int folder, const char* from, const char* to, unsigned int flags) {
        if (flags & RENAME_NOREPLACE) {
            errno = EINVAL;
            return -1;
        }
        return rename(folder, from, to, flags);
    };
    if (way == MoveWay::placeholder) {
        calls.linkAt = [](int, const char*, const char*) {
            errno = EPERM;
            return -1;
        };
    }
    return calls;
}

class CopierTest : public ::testing::Test {
protected:
    TempDir dir;
    QString source(const QByteArray& content) { return writeFile(dir("card/C0001.MP4"), content); }
    QString destination() {
        QDir().mkpath(dir("dest"));
        return dir("dest/C0001.MP4");
    }
    QStringList destinationNames() { return namesIn(dir("dest")); }
};

struct ChunkCase {
    qint64 size;
    QList<qint64> chunks;
};

class CopierChunkTest : public CopierTest, public ::testing::WithParamInterface<ChunkCase> {};

TEST_P(CopierChunkTest, CopiesInWholeChunksAndReturnsTheDigestOfBothSides) {
    const QByteArray content = patternBytes(GetParam().size);
    const QString target = destination();
    RecordedCopy copy;
    const CopyResult result = copy.run(source(content), target);

    EXPECT_EQ(outcomeOf(result), "ok " + sha256Text(content));
    EXPECT_EQ(copy.chunks, GetParam().chunks);
    EXPECT_EQ(copy.verifications, 1);
    EXPECT_EQ(readFile(target), content);
    EXPECT_EQ(destinationNames(), QStringList{"C0001.MP4"});
}

INSTANTIATE_TEST_SUITE_P(Sizes, CopierChunkTest,
                         ::testing::Values(ChunkCase{0, {}}, ChunkCase{8 * MiB, {8 * MiB}},
                                           ChunkCase{20 * MiB, {8 * MiB, 8 * MiB, 4 * MiB}},
                                           ChunkCase{3, {3}}));

// Something already at the final or the partial name: a file, or a link planted there.
struct OccupiedCase {
    bool atPartialName;
    bool asLink;
};

class CopierOccupiedTest : public CopierTest, public ::testing::WithParamInterface<OccupiedCase> {};

TEST_P(CopierOccupiedTest, WhatHoldsTheNameIsNeitherFollowedNorTouched) {
    const auto [atPartialName, asLink] = GetParam();
    const QString target = destination();
    const QString occupied = atPartialName ? Copier::partialPath(target) : target;
    const QString holder = asLink ? dir("outside.txt") : occupied;
    writeFile(holder, "theirs");
    if (asLink) {
        ASSERT_EQ(::symlink(fileNames::encode(holder).constData(),
                            fileNames::encode(occupied).constData()),
                  0);
    }
    RecordedCopy copy;
    const CopyResult result = copy.run(source("ours"), target);

    ASSERT_FALSE(result.ok());
    if (atPartialName) {
        EXPECT_EQ(result.failure().kind, CopyFailure::Kind::couldNotCreate);
        EXPECT_EQ(result.failure().description,
                  "Couldn’t create C0001.MP4.stowly-partial in the destination.");
        EXPECT_FALSE(existsAt(target));
    } else {
        EXPECT_EQ(result.failure().kind, CopyFailure::Kind::destinationExists);
        EXPECT_EQ(result.failure().description, "C0001.MP4 already exists — not overwriting it.");
    }
    EXPECT_EQ(readFile(holder), "theirs");
    EXPECT_TRUE(existsAt(occupied));
    EXPECT_EQ(destinationNames(), QStringList{occupied.section(u'/', -1)});
    EXPECT_EQ(copy.verifications, 0);
}

INSTANTIATE_TEST_SUITE_P(Names, CopierOccupiedTest,
                         ::testing::Values(OccupiedCase{false, false}, OccupiedCase{false, true},
                                           OccupiedCase{true, false}, OccupiedCase{true, true}));

TEST_F(CopierTest, MissingFolderIsCouldNotCreate) {
    const CopyResult result = RecordedCopy().run(source("ours"), dir("nowhere/C0001.MP4"));
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.failure().kind, CopyFailure::Kind::couldNotCreate);
    EXPECT_FALSE(existsAt(dir("nowhere")));
}

TEST_F(CopierTest, UnreadableSourceRemovesThePartialFileAndSaysWhy) {
    const QString target = destination();
    const CopyResult result = RecordedCopy().run(dir("card/GONE.MP4"), target);

    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.failure().kind, CopyFailure::Kind::system);
    EXPECT_EQ(result.failure().description,
              "Couldn’t open GONE.MP4 for reading: No such file or directory.");
    EXPECT_TRUE(destinationNames().isEmpty());
}

TEST_F(CopierTest, PartialFileReplacedBeforeTheReadBackIsNotTakenForOurs) {
    const QString target = destination();
    const QString partial = Copier::partialPath(target);
    const QByteArray content = patternBytes(100000);
    RecordedCopy copy;
    copy.atVerify = [&] {
        ASSERT_EQ(::unlink(fileNames::encode(partial).constData()), 0);
        writeFile(partial, content);
    };
    const CopyResult result = copy.run(source(content), target);

    EXPECT_EQ(outcomeOf(result),
              QStringLiteral("Couldn’t read back C0001.MP4.stowly-partial: another file took its "
                             "place."));
    EXPECT_EQ(readFile(partial), content);
    EXPECT_FALSE(existsAt(target));
}

TEST_F(CopierTest, CancellationDuringTheThirdChunkEndsAfterThatChunkWithNothingLeft) {
    std::stop_source stop;
    RecordedCopy copy;
    copy.afterChunk = [&](int chunk) {
        if (chunk == 3)
            stop.request_stop();
    };
    const CopyResult result =
        copy.run(source(patternBytes(30 * MiB)), destination(), stop.get_token());

    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.failure().kind, CopyFailure::Kind::cancelled);
    EXPECT_EQ(copy.chunks, (QList<qint64>{8 * MiB, 8 * MiB, 8 * MiB}));
    EXPECT_EQ(copy.verifications, 0);
    EXPECT_TRUE(destinationNames().isEmpty());
}

TEST_F(CopierTest, ThrowingCallbackLeavesNoPartialFile) {
    RecordedCopy copy;
    copy.afterChunk = [](int) { throw std::runtime_error("observer gone"); };
    EXPECT_THROW(copy.run(source(patternBytes(100)), destination()), std::runtime_error);
    EXPECT_TRUE(destinationNames().isEmpty());
}

class CopierMoveTest : public CopierTest, public ::testing::WithParamInterface<MoveWay> {};

TEST_P(CopierMoveTest, MovesTheVerifiedCopyAndLeavesNothingElse) {
    const QByteArray content = patternBytes(9 * MiB);
    const QString from = source(content);
    setModificationTime(from, QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5), Qt::UTC));
    const QString target = destination();
    const CopyResult result = RecordedCopy().run(from, target, {}, callsFor(GetParam()));

    EXPECT_EQ(outcomeOf(result), "ok " + sha256Text(content));
    EXPECT_EQ(readFile(target), content);
    EXPECT_EQ(modificationSeconds(target), modificationSeconds(from));
    EXPECT_EQ(destinationNames(), QStringList{"C0001.MP4"});
}

TEST_P(CopierMoveTest, FileThatAppearsAtTheFinalNameIsNeverReplaced) {
    const QString target = destination();
    RecordedCopy copy;
    copy.atVerify = [&] { writeFile(target, "arrived meanwhile"); };
    const CopyResult result =
        copy.run(source(patternBytes(1000)), target, {}, callsFor(GetParam()));

    EXPECT_EQ(outcomeOf(result),
              "Couldn’t rename C0001.MP4.stowly-partial to C0001.MP4: File exists.");
    EXPECT_EQ(readFile(target), "arrived meanwhile");
    EXPECT_EQ(destinationNames(), QStringList{"C0001.MP4"});
}

INSTANTIATE_TEST_SUITE_P(Ways, CopierMoveTest,
                         ::testing::Values(MoveWay::noReplaceRename, MoveWay::hardLink,
                                           MoveWay::placeholder));

TEST_F(CopierTest, PlaceholderTakenOverBeforeTheRenameIsLeftToItsNewOwner) {
    const QString target = destination();
    FolderCalls calls = callsFor(MoveWay::placeholder);
    const auto stat = calls.statAt;
    bool swapped = false;
    calls.statAt = [&](int folder, const char* name, struct stat* info) {
        // The check of the placeholder: someone replaces it just before.
        if (!swapped && existsAt(target)) {
            swapped = true;
            ::unlink(fileNames::encode(target).constData());
            writeFile(target, "");
        }
        return stat(folder, name, info);
    };
    const CopyResult result = RecordedCopy().run(source(patternBytes(1000)), target, {}, calls);

    ASSERT_TRUE(swapped);
    EXPECT_EQ(outcomeOf(result),
              "Couldn’t rename C0001.MP4.stowly-partial to C0001.MP4: File exists.");
    EXPECT_TRUE(existsAt(target));
    EXPECT_EQ(readFile(target), QByteArray());
    EXPECT_EQ(destinationNames(), QStringList{"C0001.MP4"});
}

TEST_F(CopierTest, NoPageOfTheCopyIsCachedWhenTheReadBackStarts) {
    struct statfs info {};
    ASSERT_EQ(::statfs(fileNames::encode(dir.path()).constData(), &info), 0);
    if (info.f_type == TMPFS_MAGIC || info.f_type == RAMFS_MAGIC)
        GTEST_SKIP() << "the temporary folder is in memory; this needs a disk-backed one";

    const qint64 size = 20 * MiB;
    const long page = ::sysconf(_SC_PAGESIZE);
    const auto residentPages = [&](const QString& path) {
        const int fd = ::open(fileNames::encode(path).constData(), O_RDONLY);
        void* map = ::mmap(nullptr, size_t(size), PROT_READ, MAP_SHARED, fd, 0);
        std::vector<unsigned char> pages(size_t((size + page - 1) / page));
        ::mincore(map, size_t(size), pages.data());
        ::munmap(map, size_t(size));
        ::close(fd);
        return std::count_if(pages.begin(), pages.end(), [](unsigned char p) { return p & 1; });
    };

    const QString target = destination();
    RecordedCopy copy;
    long cachedAtVerify = -1;
    copy.atVerify = [&] { cachedAtVerify = long(residentPages(Copier::partialPath(target))); };
    ASSERT_TRUE(copy.run(source(patternBytes(size)), target).ok());
    EXPECT_EQ(cachedAtVerify, 0);

    // The measure itself sees cached pages: read the copy through the cache and look again.
    readFile(target);
    EXPECT_GT(residentPages(target), 0);
}

TEST_F(CopierTest, FileDigestIsTheSameThroughOrAroundTheCache) {
    const QByteArray content = patternBytes(3 * MiB + 17);
    const QString path = writeFile(dir("file.bin"), content);
    for (const qsizetype chunk : {qsizetype(4096), qsizetype(1000), qsizetype(8 * MiB)}) {
        for (const bool bypass : {false, true}) {
            const CopyResult result = Copier::sha256(fileNames::encode(path), chunk, bypass);
            EXPECT_EQ(outcomeOf(result), "ok " + sha256Text(content)) << chunk << " " << bypass;
        }
    }
    const CopyResult missing = Copier::sha256(fileNames::encode(dir("no")), 4096, true);
    EXPECT_EQ(outcomeOf(missing), "Couldn’t open no for reading: No such file or directory.");
}

} // namespace
