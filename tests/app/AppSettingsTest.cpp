#include "app/settings/AppSettings.h"
#include "app/settings/SettingsTable.h"

#include "support/Printing.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

const QSet<MediaCategory> allFour{MediaCategory::video, MediaCategory::photo, MediaCategory::audio,
                                  MediaCategory::other};

// What a later launch reads: a copy of the file under a new name, so nothing cached in this
// process stands in for what is on disk.
std::unique_ptr<AppSettings> nextLaunch(const QString& file, const QString& copy) {
    QFile::copy(file, copy);
    return std::make_unique<AppSettings>(AppSettings::openPreferences(copy));
}

// The row's example, read as the command line reads it.
QVariant example(const SettingDefinition& row) {
    const SettingDefinition::Parsed parsed = row.parse(row.example);
    return parsed.value.value_or(QVariant());
}

} // namespace

TEST(AppSettingsTest, EveryRowStartsAtItsDefaultSurvivesTheNextLaunchAndSignalsItsChangeOnce) {
    TempDir home;
    const QString file = home("Stowly.conf");
    AppSettings s(AppSettings::openPreferences(file));
    for (const SettingDefinition& row : SettingsTable::rows()) {
        EXPECT_TRUE(row.same(s.value(row), row.defaultValue)) << row.key.toStdString();
        EXPECT_EQ(&row, SettingsTable::find(row.key))
            << "a second row for " << row.key.toStdString();
    }
    EXPECT_EQ(s.includedCategories(), allFour);
    // Reading writes nothing to a fresh store.
    EXPECT_FALSE(QFile::exists(file));

    for (const SettingDefinition& row : SettingsTable::rows()) {
        SCOPED_TRACE(row.key.toStdString());
        const QVariant value = example(row);
        ASSERT_TRUE(value.isValid());
        ASSERT_FALSE(row.same(value, row.defaultValue));
        QSignalSpy changes(&s, &AppSettings::changed);
        ASSERT_TRUE(s.setValue(row, value));
        ASSERT_TRUE(s.setValue(row, value));
        EXPECT_TRUE(row.same(s.value(row), value));
        const QStringList expected = row.internal ? QStringList() : QStringList{row.key};
        QStringList heard;
        for (const QList<QVariant>& change : changes)
            heard << change.at(0).toString();
        EXPECT_EQ(heard, expected);
    }
    const auto later = nextLaunch(file, home("copy.conf"));
    for (const SettingDefinition& row : SettingsTable::rows())
        EXPECT_TRUE(row.same(later->value(row), example(row))) << row.key.toStdString();

    // Back to the defaults: an empty list and no destination come back as such too.
    for (const SettingDefinition& row : SettingsTable::rows())
        s.setValue(row, row.defaultValue);
    const auto cleared = nextLaunch(file, home("copy2.conf"));
    for (const SettingDefinition& row : SettingsTable::rows())
        EXPECT_TRUE(row.same(cleared->value(row), row.defaultValue)) << row.key.toStdString();
    EXPECT_FALSE(readFile(file).contains("destinationPath"));
}

TEST(AppSettingsTest, ARunOverrideIsSeenButNeverStored) {
    TempDir home;
    const QString file = home("Stowly.conf");
    AppSettings s(AppSettings::openPreferences(file));
    s.setValue(setting::destinationPath, "/media/u/usual");
    int destinationChanges = 0;
    s.onChange(setting::destinationPath, &s, [&] { ++destinationChanges; });
    s.overrideForRun(setting::destinationPath, "/media/u/elsewhere");
    EXPECT_EQ(s.value(setting::destinationPath), "/media/u/elsewhere");
    EXPECT_EQ(destinationChanges, 1);

    // Setting a value meanwhile stores it; the override still stands for the run.
    s.setValue(setting::destinationPath, "/media/u/new");
    EXPECT_EQ(s.value(setting::destinationPath), "/media/u/elsewhere");
    EXPECT_EQ(destinationChanges, 1);
    const auto later = nextLaunch(file, home("copy.conf"));
    EXPECT_EQ(later->value(setting::destinationPath), "/media/u/new");

    // The row's range holds for an override too; a value of another type changes nothing.
    s.overrideForRun(setting::shortClipSeconds, 500);
    EXPECT_EQ(s.value(setting::shortClipSeconds), 60);
    EXPECT_FALSE(s.overrideForRun(*SettingsTable::find(u"quickDump"), QVariant("no")));
    EXPECT_FALSE(s.value(setting::quickDump));
}

TEST(AppSettingsTest, ASubscriberHearsItsOwnKeysForAsLongAsItLives) {
    AppSettings s(nullptr);
    int heard = 0;
    {
        QObject subscriber;
        s.onChange({setting::skipShortClips, setting::shortClipSeconds}, &subscriber,
                   [&] { ++heard; });
        s.setValue(setting::shortClipSeconds, 9);
        s.setValue(setting::shortClipSeconds, 9);
        s.setValue(setting::skipShortClips, false);
        s.setValue(setting::quickDump, true);
        EXPECT_EQ(heard, 2);
    }
    s.setValue(setting::shortClipSeconds, 10);
    EXPECT_EQ(heard, 2);
}

TEST(AppSettingsTest, KeysHoldTheDocumentedForms) {
    TempDir home;
    const QString file = home("Stowly.conf");
    AppSettings s(AppSettings::openPreferences(file));
    s.setCategory(MediaCategory::audio, false);
    s.setValue(setting::askToImportOnMount, false);
    s.setValue(setting::shortClipSeconds, 7);
    s.setValue(setting::theme, ThemeID::standard);
    s.setValue(setting::appearance, AppAppearance::light);
    s.ignoreImports(CardVolume{"/media/u/B", "Untitled", std::nullopt});
    const QByteArray text = readFile(file);
    EXPECT_TRUE(text.contains("\nexcludedCategories=audio\n")) << text.constData();
    EXPECT_TRUE(text.contains("\naskToImportOnMount=false\n"));
    EXPECT_TRUE(text.contains("\nshortClipSeconds=7\n"));
    EXPECT_TRUE(text.contains("\nappearance=light\n"));
    EXPECT_FALSE(text.contains("theme=")); // never assigned a different value
    EXPECT_TRUE(text.contains("identity")) << text.constData();
    EXPECT_EQ(s.ignoredImportIdentities(), QSet<QString>{"Untitled"});
}

// Stored names are read exactly: a name in another case or with its scope falls back too.
TEST(AppSettingsTest, MalformedAndOldStoredValuesFallBackAndAreRewritten) {
    TempDir home;
    const QString file = home("Stowly.conf");
    writeFile(file, "[General]\n"
                    "ejectAfterOffload=yes\n"
                    "skipShortClips=1\n"
                    "shortClipSeconds=5s\n"
                    "theme=neon\n"
                    "appearance=Light\n"
                    "importPromptStyle=ImportPromptStyle::panel\n"
                    "excludedCategories=audio, films\n"
                    "recentProjects=Solo\n"
                    "folderTemplate={date}/{shoot}/{project}\n"
                    "fileTemplate={date}_{seq}\n"
                    "dateFilter=\"{\\\"mode\\\":\\\"yesterday\\\"}\"\n"
                    "fileRules=\"{\\\"proxyExtensions\\\":[\\\"lrv\\\"]}\"\n"
                    "ignoredImportCards=not json\n"
                    "ascMhlHashes=sha256, c4, xxh128, md5\n");
    AppSettings s(AppSettings::openPreferences(file));
    EXPECT_FALSE(s.value(setting::ejectAfterOffload));
    EXPECT_TRUE(s.value(setting::skipShortClips));
    EXPECT_EQ(s.value(setting::shortClipSeconds), 5);
    EXPECT_EQ(s.value(setting::theme), ThemeID::standard);
    EXPECT_EQ(s.value(setting::appearance), AppAppearance::dark);
    EXPECT_EQ(s.value(setting::importPromptStyle), ImportPromptStyle::notification);
    EXPECT_EQ(
        s.includedCategories(),
        QSet<MediaCategory>({MediaCategory::video, MediaCategory::photo, MediaCategory::other}));
    EXPECT_EQ(s.value(setting::recentProjects), QStringList{"Solo"});
    EXPECT_EQ(s.value(setting::folderTemplate), "{date}/{project}");
    EXPECT_EQ(s.value(setting::fileTemplate), "{date}_{seq}");
    EXPECT_EQ(s.value(setting::dateFilter), DateFilter::any());
    EXPECT_EQ(s.value(setting::fileRules), FileRules::standard());
    EXPECT_TRUE(s.value(setting::ignoredImportCards).isEmpty());
    // Formats no history takes are dropped; the rest keep the order they are offered in.
    EXPECT_EQ(s.value(setting::ascMhlHashes), QList<HashFormat>({HashFormat::md5, HashFormat::c4}));

    const QByteArray text = readFile(file);
    EXPECT_TRUE(text.contains("\ntheme=default\n")) << text.constData();
    EXPECT_TRUE(text.contains("\nfolderTemplate={date}/{project}\n"));
    EXPECT_TRUE(text.contains("\nfileTemplate={date}_{seq}\n"));
    EXPECT_TRUE(text.contains("\nascMhlHashes=md5, c4\n")) << text.constData();
    // Only the template and theme are rewritten on reading.
    EXPECT_TRUE(text.contains("\nappearance=Light\n"));
}

TEST(AppSettingsTest, ShortClipSecondsStayWithinOneToSixty) {
    TempDir home;
    writeFile(home("low.conf"), "[General]\nshortClipSeconds=0\n");
    writeFile(home("high.conf"), "[General]\nshortClipSeconds=300\n");
    EXPECT_EQ(AppSettings(AppSettings::openPreferences(home("low.conf")))
                  .value(setting::shortClipSeconds),
              1);
    AppSettings s(AppSettings::openPreferences(home("high.conf")));
    EXPECT_EQ(s.value(setting::shortClipSeconds), 60);
    // Assigning the value it already reads as still puts a value in range into the store.
    s.setValue(setting::shortClipSeconds, 90);
    EXPECT_TRUE(readFile(home("high.conf")).contains("\nshortClipSeconds=60\n"));
    s.setValue(setting::shortClipSeconds, -4);
    EXPECT_EQ(s.value(setting::shortClipSeconds), 1);
}

TEST(AppSettingsTest, RecentProjectsQuickDumpNamingAndTheChooser) {
    AppSettings s(nullptr);
    s.rememberProject("   ");
    EXPECT_EQ(s.value(setting::lastProject), "");
    for (const QString name : {"A", "B", "C", "D", "E", "F"})
        s.rememberProject(name);
    s.rememberProject("  c ");
    EXPECT_EQ(s.value(setting::lastProject), "c");
    EXPECT_EQ(s.value(setting::recentProjects), QStringList({"c", "F", "E", "D", "B", "A"}));
    s.rememberProject("G");
    EXPECT_EQ(s.value(setting::recentProjects), QStringList({"G", "c", "F", "E", "D", "B"}));

    s.setValue(setting::quickDump, true);
    EXPECT_EQ(s.effectiveFolderTemplate(), "{date}");
    EXPECT_EQ(s.effectiveFileTemplate(), "{date}_{seq}");
    // Nothing left to name the file by: the dated, numbered name stands in.
    s.setValue(setting::fileTemplate, "{project}");
    EXPECT_EQ(s.effectiveFileTemplate(), "{date}_{seq}");
    ASSERT_TRUE(s.effectiveNaming());
    s.setValue(setting::folderTemplate, "{date}/{nope}");
    EXPECT_FALSE(s.effectiveNaming());

    s.chooseDestination(); // no chooser: nothing happens
    EXPECT_FALSE(s.value(setting::destinationPath));
    std::optional<QString> answer = QString("/media/u/SSD/Footage");
    QList<std::optional<QString>> startedAt;
    s.setFolderPicker([&](const std::optional<QString>& start, const QString&) {
        startedAt.append(start);
        return answer;
    });
    s.chooseDestination();
    answer.reset();
    s.chooseDestination();
    EXPECT_EQ(s.value(setting::destinationPath), "/media/u/SSD/Footage");
    EXPECT_EQ(startedAt, (QList<std::optional<QString>>{std::nullopt, "/media/u/SSD/Footage"}));
}
