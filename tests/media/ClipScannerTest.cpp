#include "media/ClipScanner.h"

#include "media/ClipOrder.h"
#include "support/ScratchMount.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace stowly;
using namespace stowly::test;

namespace {

ClipScanner::Result scanAll(const QString& root, const FileRules& rules = FileRules::standard()) {
    return ClipScanner::scanReport(root, ClipScanner::allCategories(), rules);
}

} // namespace

TEST(ClipScannerWalkTest, FindsFilesSortsThemAndSetsSystemFilesAndIgnoredOnesAside) {
    TempDir card;
    writeFile(card("DCIM/100MSDCF/DSC00012.ARW"), "photo");
    writeFile(card("DCIM/100MSDCF/._DSC00012.ARW"), "apple double");
    writeFile(card("PRIVATE/M4ROOT/CLIP/C0001.MP4"), "video!");
    writeFile(card("A/b.mov"));
    writeFile(card("a/B.mov"));
    writeFile(card("README"));
    writeFile(card(".Trashes/501/old.mp4"));
    writeFile(card("Thumbs.db"));
    const QDateTime when = QDateTime::fromSecsSinceEpoch(1'700'000'000, Qt::UTC).addMSecs(250);
    setModificationTime(card("PRIVATE/M4ROOT/CLIP/C0001.MP4"), when);
    const ClipScanner::Result result = scanAll(card.path());

    EXPECT_EQ(relativePaths(result.clips),
              QStringList({"A/b.mov", "DCIM/100MSDCF/DSC00012.ARW", "PRIVATE/M4ROOT/CLIP/C0001.MP4",
                           "README", "a/B.mov"}));
    // The hidden folder is recorded once and never entered.
    EXPECT_EQ(result.ignored,
              QStringList({".Trashes", "DCIM/100MSDCF/._DSC00012.ARW", "Thumbs.db"}));
    const Clip& video = result.clips[2];
    EXPECT_EQ(video.size, 6);
    EXPECT_EQ(video.url, QFile::encodeName(card("PRIVATE/M4ROOT/CLIP/C0001.MP4")));
    EXPECT_EQ(video.modificationDate, when);
    // Birth time is there only where the file system keeps one; when present it is recent.
    if (video.creationDate) {
        EXPECT_LT(video.creationDate->secsTo(QDateTime::currentDateTimeUtc()), 600);
    }

    // Ignore patterns prune folders and record files.
    FileRules rules = FileRules::standard();
    rules.ignorePatterns << "private"
                         << ".arw";
    const ClipScanner::Result ignoring = scanAll(card.path(), rules);
    EXPECT_EQ(relativePaths(ignoring.clips), QStringList({"A/b.mov", "README", "a/B.mov"}));
    EXPECT_EQ(ignoring.ignored,
              QStringList({".Trashes", "DCIM/100MSDCF/._DSC00012.ARW", "DCIM/100MSDCF/DSC00012.ARW",
                           "PRIVATE", "Thumbs.db"}));
}

TEST(ClipScannerWalkTest, NarrowsByCategoryAndSkipsLinksSilently) {
    TempDir card;
    writeFile(card("clip.mp4"), "x");
    writeFile(card("notes.txt"), "x");
    ASSERT_EQ(::symlink(QFile::encodeName(card("clip.mp4")).constData(),
                        QFile::encodeName(card("link.mp4")).constData()),
              0);
    QDir().mkpath(card("real"));
    writeFile(card("real/inside.mov"));
    ASSERT_EQ(::symlink(QFile::encodeName(card("real")).constData(),
                        QFile::encodeName(card("folderlink")).constData()),
              0);
    const ClipScanner::Result all = scanAll(card.path());
    EXPECT_EQ(relativePaths(all.clips), QStringList({"clip.mp4", "notes.txt", "real/inside.mov"}));
    EXPECT_TRUE(all.ignored.isEmpty());

    const ClipScanner::Result videos =
        ClipScanner::scanReport(card.path(), {MediaCategory::video}, FileRules::standard());
    EXPECT_EQ(relativePaths(videos.clips), QStringList({"clip.mp4", "real/inside.mov"}));
}

TEST(ClipScannerWalkTest, KeepsTheBytesOfNamesThatAreNotUtf8) {
    TempDir card;
    const QByteArray folder = QFile::encodeName(card.path());
    const QByteArray oddName = folder + "/IMG\xff"
                                        "1.JPG";
    const int fd = ::open(oddName.constData(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "abc", 3), 3);
    ::close(fd);
    const QByteArray otherOdd = folder + "/IMG\xfe"
                                         "1.JPG";
    ::close(::open(otherOdd.constData(), O_CREAT | O_WRONLY, 0644));

    const ClipScanner::Result result = scanAll(card.path());
    ASSERT_EQ(result.clips.size(), 2);
    // Two names that differ only in invalid bytes stay two distinct clips.
    EXPECT_EQ(relativePaths(result.clips), QStringList({"IMG%FE1.JPG", "IMG%FF1.JPG"}));
    const Clip& clip = result.clips[1];
    EXPECT_EQ(clip.url, oddName);
    EXPECT_EQ(clip.size, 3);
    const int opened = ::open(clip.url.constData(), O_RDONLY);
    EXPECT_GE(opened, 0) << "the clip's location must open the very file";
    ::close(opened);
    // Qt cannot remove names it cannot decode.
    ::unlink(oddName.constData());
    ::unlink(otherOdd.constData());
}

// What could not be read is said, where and why, and what could is kept: a card that cannot
// be read must never pass for an empty one.
TEST(ClipScannerWalkTest, SaysWhereACardCouldNotBeReadAndKeepsTheRest) {
    const ClipScanner::Result missing = scanAll("/nonexistent/stowly/card");
    EXPECT_TRUE(missing.clips.isEmpty());
    EXPECT_EQ(missing.failure, (ScanFailure{"", "No such file or directory"}));

    TempDir card;
    ::chmod(QFile::encodeName(card.path()).constData(), 0755);
    writeFile(card("open/a.mp4"));
    writeFile(card("locked/b.mp4"));
    writeFile(card("z.mp4"));
    ::chmod(QFile::encodeName(card("open")).constData(), 0755);
    ::chmod(QFile::encodeName(card("locked")).constData(), 0000);
    const auto listed = runUnprivileged([&] {
        const ClipScanner::Result result = scanAll(card.path());
        return (relativePaths(result.clips).join(u',') + u'|' +
                (result.failure ? result.failure->description() : QString()))
            .toUtf8();
    });
    ::chmod(QFile::encodeName(card("locked")).constData(), 0755);
    ASSERT_TRUE(listed) << "could not run the walk without privileges";
    EXPECT_EQ(*listed, "open/a.mp4,z.mp4|Stowly couldn’t read “locked” on this card (Permission "
                       "denied).");

    // Once all of it can be read, nothing is said.
    EXPECT_EQ(scanAll(card.path()).failure, std::nullopt);
}

TEST(ClipScannerWalkTest, ACardPulledOutIsUnreadableNotEmpty) {
    TempDir folder;
    QString why;
    const auto scratch = ScratchMount::exfatImage(folder.path(), 16 << 20, &why);
    if (!scratch || !scratch->mount(folder("CARD"), ScratchMount::Driver::fuse, &why))
        GTEST_SKIP() << "Skipped: " << why.toStdString();
    writeFile(folder("CARD/DCIM/100TEST/IMG_0001.JPG"), "photo");
    ASSERT_EQ(relativePaths(scanAll(folder("CARD")).clips),
              QStringList({"DCIM/100TEST/IMG_0001.JPG"}));

    ASSERT_TRUE(scratch->pull(&why)) << why.toStdString();
    const ClipScanner::Result pulled = scanAll(folder("CARD"));
    EXPECT_TRUE(pulled.clips.isEmpty());
    ASSERT_TRUE(pulled.failure);
    EXPECT_EQ(pulled.failure->description(),
              "Stowly couldn’t read this card (Transport endpoint is not connected).");
}

TEST(ClipScannerWalkTest, RelativePathOfFilesInsideAndOutsideTheVolume) {
    EXPECT_EQ(ClipScanner::relativePath("/Volumes/CARD/DCIM/./a/../C1.MP4", "/Volumes/CARD/"),
              "DCIM/C1.MP4");
    EXPECT_EQ(ClipScanner::relativePath("/Volumes/CARD2/C1.MP4", "/Volumes/CARD"), "C1.MP4");
}

// Code-point order is the order of the names' bytes: U+FF21 comes before U+1F600, although
// the latter's UTF-16 form starts with a lower unit.
TEST(ClipOrderTest, PathsSortInCodePointOrder) {
    const QStringList expected{"DCIM/Z.JPG", "DCIM/Ａ.JPG", "DCIM/😀.JPG"};
    TempDir card;
    QList<Clip> clips;
    for (qsizetype i = expected.size() - 1; i >= 0; --i) {
        writeFile(card(expected[i]));
        clips.append(clipAt(expected[i]));
    }
    EXPECT_EQ(relativePaths(scanAll(card.path()).clips), expected);
    EXPECT_EQ(relativePaths(clipOrder::order(clips)), expected);
}
