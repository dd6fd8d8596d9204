#include "cli/CliHarness.h"

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

class SettingsCommandTest : public ::testing::Test {
protected:
    QString setting(const QString& key) const {
        return cli.run({"settings", key}).outText().trimmed();
    }

    Cli cli;
};

TEST_F(SettingsCommandTest, ListsEveryKeyWithItsValue) {
    const CliResult listed = cli.run({"settings"});
    ASSERT_EQ(listed.status, 0);
    const QStringList lines = listed.outText().split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 23);
    for (const char* line :
         {"destinationPath = ", "fileTemplate = {date}_{project}_{seq}", "shortClipSeconds = 5",
          "askToImportOnMount = true", "excludedCategories = []", "theme = default"})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line;
}

TEST_F(SettingsCommandTest, RefusesWhatItCannotStoreAndKeepsTheOldValue) {
    const CliResult bad = cli.run({"settings", "fileTemplate", "{bogus}_{seq}_{seq}"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.errText().contains("{bogus} isn’t a known token."))
        << bad.errText().toStdString();
    EXPECT_TRUE(bad.errText().contains("Use {seq} only once."));
    EXPECT_EQ(setting("fileTemplate"), "{date}_{project}_{seq}");

    EXPECT_EQ(cli.run({"settings", "shortClipSeconds", "0"}).status, 2);
    EXPECT_EQ(cli.run({"settings", "appearance", "purple"}).status, 2);
    EXPECT_EQ(cli.run({"settings", "destinationPath", cli.home("missing")}).status, 2);
    EXPECT_EQ(cli.run({"settings", "destinationMovedToFavorites", "false"}).status, 2);
    const CliResult unknown = cli.run({"settings", "colour", "red"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.errText().startsWith("There’s no setting “colour”."));
    EXPECT_EQ(setting("shortClipSeconds"), "5");
    EXPECT_EQ(setting("appearance"), "dark");

    const CliResult good = cli.run({"settings", "fileTemplate", "{date}_{seq}"});
    EXPECT_EQ(good.status, 0) << good.errText().toStdString();
    EXPECT_EQ(setting("fileTemplate"), "{date}_{seq}");
    EXPECT_EQ(cli.run({"settings", "excludedCategories", "audio,other"}).status, 0);
    EXPECT_EQ(setting("excludedCategories"), R"(["audio","other"])");
}

TEST_F(SettingsCommandTest, RunOptionsLastOneRunWhileTheProjectIsRemembered) {
    TempDir card;
    TempDir usual;
    TempDir elsewhere;
    writeFile(card("DCIM/IMG_0001.JPG"), "photo");
    ASSERT_EQ(cli.run({"settings", "destinationPath", usual.path()}).status, 0);

    const CliResult run = cli.run({"offload", card.path(), "--to", elsewhere.path(), "--dates",
                                   "today", "--project", "Wedding"});
    ASSERT_EQ(run.status, 0) << run.errText().toStdString();
    EXPECT_EQ(filesBelow(elsewhere.path()).size(), 1);
    EXPECT_TRUE(filesBelow(usual.path()).isEmpty());

    EXPECT_EQ(setting("destinationPath"), usual.path());
    EXPECT_TRUE(setting("dateFilter").contains(R"("mode":"any")"));
    EXPECT_EQ(setting("lastProject"), "Wedding");
    EXPECT_EQ(setting("recentProjects"), R"(["Wedding"])");

    // The remembered project fills the next card's project, as it does in the window.
    writeFile(card("DCIM/IMG_0002.JPG"), "another photo");
    const CliResult next = cli.run({"offload", card.path(), "--json"});
    ASSERT_EQ(next.status, 0) << next.errText().toStdString();
    EXPECT_TRUE(
        next.object()["files"].toArray().at(0).toObject()["destination"].toString().startsWith(
            usual.path() + "/"));
    EXPECT_TRUE(
        next.object()["files"].toArray().at(0).toObject()["destination"].toString().contains(
            "Wedding"));
}

} // namespace
} // namespace stowly::test
