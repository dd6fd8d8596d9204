#include "media/QuickDump.h"
#include "media/ReoffloadMode.h"

#include <gtest/gtest.h>

using namespace stowly;

TEST(QuickDumpTest, StripsTheProjectTokenWithItsSeparators) {
    EXPECT_EQ(QuickDump::strip("{date}_{project}_{seq}"), "{date}_{seq}");
    EXPECT_EQ(QuickDump::strip("{project}-{date}"), "{date}");
    EXPECT_EQ(QuickDump::strip("{Project}_{date}"), "{date}");
    EXPECT_EQ(QuickDump::strip("{date} - {shoot}"), "{date}");
    EXPECT_EQ(QuickDump::strip("{date}_{ project :x}.{seq}"), "{date}_{seq}");
    EXPECT_EQ(QuickDump::strip("{project}_{shoot}_{seq}"), "{seq}");
    EXPECT_EQ(QuickDump::strip("{project}"), "");
    EXPECT_EQ(QuickDump::strip("{date}_{camera}"), "{date}_{camera}");
    EXPECT_EQ(QuickDump::strip("{date}_{projects}"), "{date}_{projects}");
    EXPECT_EQ(QuickDump::strip("{date_{project}"), "{date_{project}");
}

TEST(QuickDumpTest, DropsFolderLevelsThatBecomeEmpty) {
    EXPECT_EQ(QuickDump::folderTemplate("{date}/{project}"), "{date}");
    EXPECT_EQ(QuickDump::folderTemplate("{project}/{date}/{camera}"), "{date}/{camera}");
    EXPECT_EQ(QuickDump::folderTemplate("/{year}//{shoot}_{month}/"), "{year}/{month}");
    EXPECT_EQ(QuickDump::folderTemplate("{project}"), "");
}

TEST(ReoffloadModeTest, RawValues) {
    EXPECT_EQ(reoffloadMode::rawValue(ReoffloadMode::everything), "everything");
    EXPECT_EQ(reoffloadMode::fromRawValue(u"missing"), ReoffloadMode::missing);
    EXPECT_FALSE(reoffloadMode::fromRawValue(u"Missing"));
}
