#include "history/LegacyMigration.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

struct Stores {
    TempDir home;
    QSettings own{home("own.conf"), QSettings::IniFormat};
    QSettings old{home("old.conf"), QSettings::IniFormat};
    void run() { LegacyMigration::run(own, old, home("FlickBox"), home("Stowly")); }
};

} // namespace

TEST(LegacyMigrationTest, CopiesFilesAndPreferencesOnceWithoutReplacingAnything) {
    Stores s;
    writeFile(s.home("FlickBox/ledger.json"), "old ledger");
    writeFile(s.home("FlickBox/presets.json"), "old presets");
    writeFile(s.home("FlickBox/.DS_Store"), "junk");
    writeFile(s.home("FlickBox/Thumbs/a/b.bin"), "nested");
    writeFile(s.home("Stowly/presets.json"), "mine");
    s.old.setValue("folderTemplate", "{date}");
    s.old.setValue("lastProject", "Old");
    s.old.setValue("NSWindowFrame", "x");
    s.old.setValue("AppleLanguages", "x");
    s.old.setValue("com.apple.foo", "x");
    s.old.setValue("FlickBoxDemoMode", true);
    s.old.setValue("migratedFromFlickBox", false);
    s.own.setValue("lastProject", "Mine");
    s.run();

    EXPECT_EQ(readFile(s.home("Stowly/ledger.json")), "old ledger");
    EXPECT_EQ(readFile(s.home("Stowly/presets.json")), "mine");
    EXPECT_EQ(readFile(s.home("Stowly/Thumbs/a/b.bin")), "nested");
    EXPECT_FALSE(QFileInfo::exists(s.home("Stowly/.DS_Store")));
    EXPECT_EQ(s.own.value("folderTemplate").toString(), "{date}");
    EXPECT_EQ(s.own.value("lastProject").toString(), "Mine");
    for (const char* key : {"NSWindowFrame", "AppleLanguages", "com.apple.foo", "FlickBoxDemoMode"})
        EXPECT_FALSE(s.own.contains(key)) << key;
    EXPECT_TRUE(s.own.value("migratedFromFlickBox").toBool());

    // Once the marker is set nothing is read again.
    s.old.setValue("recentProjects", "x");
    writeFile(s.home("FlickBox/cameras.json"), "later");
    s.run();
    EXPECT_FALSE(s.own.contains("recentProjects"));
    EXPECT_FALSE(QFileInfo::exists(s.home("Stowly/cameras.json")));
}

TEST(LegacyMigrationTest, SetsTheMarkerWhenThereIsNothingToTake) {
    Stores s;
    s.run();
    EXPECT_TRUE(s.own.value("migratedFromFlickBox").toBool());
    EXPECT_FALSE(QFileInfo::exists(s.home("Stowly")));
}
