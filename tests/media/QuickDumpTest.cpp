#include "media/QuickDump.h"

#include <gtest/gtest.h>

using namespace stowly;

TEST(QuickDumpTest, StripsTheProjectTokenWithItsSeparators) {
    EXPECT_EQ(QuickDump::strip("{date}_{project}_{seq}"), "{date}_{seq}");
    EXPECT_EQ(QuickDump::strip("{Project}-{date}"), "{date}");
    EXPECT_EQ(QuickDump::strip("{date} - {shoot}"), "{date}");
    EXPECT_EQ(QuickDump::strip("{date}_{ project :x}.{seq}"), "{date}_{seq}");
    EXPECT_EQ(QuickDump::strip("{project}"), "");
    EXPECT_EQ(QuickDump::strip("{date}_{projects}"), "{date}_{projects}");
    EXPECT_EQ(QuickDump::strip("{date_{project}"), "{date_{project}");

    // Folder levels that become empty go.
    EXPECT_EQ(QuickDump::folderTemplate("{project}/{date}/{camera}"), "{date}/{camera}");
    EXPECT_EQ(QuickDump::folderTemplate("/{year}//{shoot}_{month}/"), "{year}/{month}");
    EXPECT_EQ(QuickDump::folderTemplate("{project}"), "");
}
