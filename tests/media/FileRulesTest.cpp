#include "media/FileRules.h"
#include "media/ClipScanner.h"

#include <gtest/gtest.h>

using namespace stowly;

TEST(FileRulesTest, CleansMatchesAndReadsItsListsAndPatterns) {
    EXPECT_EQ(FileRules::cleanExtension("  *.LRV\t"), "lrv");
    EXPECT_EQ(FileRules::cleanExtension("..mp4"), "mp4");
    for (const char* bad : {"tar.gz", "a b", "a/b", "", "*", "a\nb"})
        EXPECT_FALSE(FileRules::cleanExtension(bad)) << bad;
    EXPECT_EQ(FileRules::cleanExtensions({"LRV", "lrv", ".lrv", "lrf"}),
              QStringList({"lrv", "lrf"}));
    EXPECT_EQ(FileRules::cleanPatterns({"  .DS_Store", ".ds_store", "a/b", "", "*.TMP"}),
              QStringList({".DS_Store", "*.TMP"}));

    EXPECT_TRUE(FileRules::matches(u"thumbs.db", u"Thumbs.db"));
    EXPECT_TRUE(FileRules::matches(u"a.tmp", u".tmp"));
    EXPECT_TRUE(FileRules::matches(u".tmp", u".tmp"));
    EXPECT_FALSE(FileRules::matches(u"a.tmp.bak", u".tmp"));
    EXPECT_FALSE(FileRules::matches(u"a.", u"."));
    EXPECT_FALSE(FileRules::matches(u"x.tar.gz", u".tar.gz"));
    EXPECT_FALSE(FileRules::matches(u"a.txt", u"[ab].txt"));
    EXPECT_TRUE(FileRules::matches(u"[ab].txt", u"[ab].txt"));
    EXPECT_TRUE(FileRules::matches(u"a.txt", u"[ab]?txt"));
    EXPECT_TRUE(FileRules::matches(u".hidden", u"*"));
    EXPECT_FALSE(FileRules::matches(u"anything", u""));
    // "?" is one character, not one byte.
    EXPECT_TRUE(FileRules::matches(u"é.tmp", u"?.tmp"));

    for (const char* hides : {"*", "*.mp4", ".arw", "C0001*", "gx01*"})
        EXPECT_TRUE(FileRules::ignoresMainMedia(QString::fromUtf8(hides))) << hides;
    for (const char* harmless : {"._*", ".DS_Store", "*.tmp", ".wav"})
        EXPECT_FALSE(FileRules::ignoresMainMedia(QString::fromUtf8(harmless))) << harmless;

    FileRules rules = FileRules::standard();
    EXPECT_EQ(rules.role(u"GL010001.LRV"), FileRole::proxy);
    EXPECT_EQ(rules.role(u"C0001.XML"), FileRole::sidecar);
    EXPECT_EQ(rules.role(u"README"), FileRole::main);
    rules.sidecarExtensions.append("lrv");
    EXPECT_EQ(rules.role(u"a.lrv"), FileRole::proxy);

    const FileRules& standard = FileRules::standard();
    EXPECT_EQ(FileRules::fromJson(standard.toJson()), standard);
    QJsonObject partial = standard.toJson();
    partial.remove("ignorePatterns");
    EXPECT_FALSE(FileRules::fromJson(partial));
    QJsonObject wrong = standard.toJson();
    wrong["proxyExtensions"] = 3;
    EXPECT_FALSE(FileRules::fromJson(wrong));
}

TEST(ClipScannerTest, RecognisesSystemFiles) {
    for (const char* junk : {"._C0001.MP4", "THUMBS.DB", "desktop.ini", "backup.DMG",
                             "System Volume Information", "$RECYCLE.BIN"})
        EXPECT_TRUE(ClipScanner::isJunk(QString::fromUtf8(junk))) << junk;
    for (const char* fine : {"C0001.MP4", "dmg", "recycled.txt"})
        EXPECT_FALSE(ClipScanner::isJunk(QString::fromUtf8(fine))) << fine;
}
