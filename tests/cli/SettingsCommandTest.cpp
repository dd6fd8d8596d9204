#include "app/settings/SettingsTable.h"
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

TEST_F(SettingsCommandTest, ListsEveryRowInItsFormAndRefusesWhatItCannotStore) {
    const CliResult listed = cli.run({"settings"});
    ASSERT_EQ(listed.status, 0);
    const QStringList lines = listed.outText().split('\n', Qt::SkipEmptyParts);
    const QList<SettingDefinition>& rows = SettingsTable::rows();
    ASSERT_EQ(lines.size(), rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString prefix = rows[i].key + " = ";
        ASSERT_TRUE(lines[i].startsWith(prefix)) << lines[i].toStdString();
        EXPECT_TRUE(rows[i].parse(lines[i].mid(prefix.size())).value) << lines[i].toStdString();
    }
    for (const char* line :
         {"destinationPath = ", "fileTemplate = {date}_{project}_{seq}", "shortClipSeconds = 5",
          "askToImportOnMount = true", "excludedCategories = []", "theme = default",
          "shareDestinationDrives = false"})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line;

    const CliResult bad = cli.run({"settings", "fileTemplate", "{bogus}_{seq}_{seq}"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.errText().contains("{bogus} isn’t a known token."))
        << bad.errText().toStdString();
    EXPECT_TRUE(bad.errText().contains("Use {seq} only once."));
    EXPECT_EQ(setting("fileTemplate"), "{date}_{project}_{seq}");

    const QList<std::pair<QStringList, QString>> refusals{
        {{"shortClipSeconds", "0"},
         "“shortClipSeconds” takes a whole number of seconds from 1 to 60."},
        {{"appearance", "purple"}, "“appearance” takes system, light or dark."},
        {{"quickDump", "yes"}, "“quickDump” takes true or false."},
        {{"destinationPath", cli.home("missing")},
         "There’s no folder at “" + cli.home("missing") + "”."},
        {{"destinationMovedToFavorites", "false"},
         "“destinationMovedToFavorites” is kept by Stowly itself."},
        {{"excludedCategories", "audio,films"},
         "“excludedCategories” takes the names video, photo, audio and other, not “films”."},
        {{"ascMhlHashes", R"(["md5","sha256"])"},
         "“ascMhlHashes” takes the formats md5, sha1, xxh64, c4, not “sha256”."},
        {{"colour", "red"}, "There’s no setting “colour”. Run “stowly-cli settings” to list them."},
    };
    for (const auto& [arguments, message] : refusals) {
        const CliResult refused = cli.run(QStringList{"settings"} + arguments);
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(refused.errText().trimmed(), message);
    }
    EXPECT_EQ(setting("shortClipSeconds"), "5");
    EXPECT_EQ(setting("appearance"), "dark");
    EXPECT_EQ(setting("excludedCategories"), "[]");

    // What it takes is stored and shown in the listing's form.
    const CliResult set = cli.run({"settings", "excludedCategories", "audio,other"});
    EXPECT_EQ(set.status, 0);
    EXPECT_EQ(set.outText(), "excludedCategories = [\"audio\",\"other\"]\n");
    EXPECT_EQ(setting("excludedCategories"), R"(["audio","other"])");
    const CliResult hashes = cli.run({"settings", "ascMhlHashes", "C4,xxh128,md5"});
    EXPECT_EQ(hashes.status, 0);
    EXPECT_TRUE(hashes.errText().contains("xxh128 is always taken"))
        << hashes.errText().toStdString();
    EXPECT_EQ(setting("ascMhlHashes"), R"(["md5","c4"])");
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
