#include "copy/AtomicFile.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

TEST(AtomicFileTest, ReplacesWholeMovesWithoutReplacingAndMakesFolders) {
    TempDir dir;
    writeFile(dir("store.json"), "old");
    EXPECT_FALSE(AtomicFile::write(dir("store.json"), QByteArray(3 << 20, 'x')));
    EXPECT_EQ(readFile(dir("store.json")), QByteArray(3 << 20, 'x'));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"store.json"}));

    writeFile(dir("a"), "a");
    writeFile(dir("b"), "b");
    EXPECT_TRUE(AtomicFile::moveNoReplace(dir("a"), dir("b")));
    EXPECT_EQ(readFile(dir("b")), "b");
    EXPECT_FALSE(AtomicFile::moveNoReplace(dir("a"), dir("c")));
    EXPECT_EQ(readFile(dir("c")), "a");
    EXPECT_FALSE(QFileInfo::exists(dir("a")));

    EXPECT_FALSE(AtomicFile::makeFolder(dir("x/y/z")));
    EXPECT_TRUE(QFileInfo(dir("x/y/z")).isDir());
    EXPECT_TRUE(AtomicFile::makeFolder(dir("b/sub"))); // a file stands in the way
}

TEST(AtomicFileTest, AnAbandonedOrFailedWriteKeepsTheOldFile) {
    TempDir dir;
    writeFile(dir("store.json"), "old");
    const auto abandoned = AtomicFile::write(dir("store.json"), [](const AtomicFile::Sink& sink) {
        sink("partial");
        return false;
    });
    EXPECT_TRUE(abandoned);
    EXPECT_EQ(readFile(dir("store.json")), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"store.json"}));

    ReadOnlyFolder readOnly(dir.path());
    if (!readOnly.isActive())
        GTEST_SKIP() << "cannot make a folder read-only here";
    const auto refused = AtomicFile::write(dir("store.json"), QByteArray("new"));
    ASSERT_TRUE(refused);
    EXPECT_FALSE(refused->isEmpty());
    EXPECT_EQ(readFile(dir("store.json")), "old");
}
