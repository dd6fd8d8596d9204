// The presets and destinations tabs: every control writes through to its store at once, the
// preset in use says whether the setup still matches it, and favourites show where they are.

#include "ui/settings/DestinationsSettingsTab.h"
#include "ui/settings/PresetsSettingsTab.h"

#include "UiWorld.h"
#include "app/model/AppModel.h"
#include "support/Printing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

// The "In use" pill of each row, empty where the row has none.
QStringList inUseTexts(const QWidget& tab) {
    auto* list = find<QListWidget>(tab, "presetList");
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        auto* pill = list->itemWidget(list->item(row))->findChild<QLabel*>(QStringLiteral("inUse"));
        texts << (pill->isHidden() ? QString() : pill->text());
    }
    return texts;
}

void typeInto(QLineEdit* field, const QString& text, bool replace = false) {
    if (replace)
        field->selectAll();
    QTest::keyClicks(field, text);
}

void choose(QComboBox* box, const QString& text) {
    const int index = box->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}

// Whether the stack holding `member` (a list or the editor) shows the page named `page`.
bool shows(const QWidget& tab, const char* member, const char* page) {
    auto* stack = qobject_cast<QStackedWidget*>(find<QWidget>(tab, member)->parentWidget());
    return stack && stack->currentWidget()->objectName() == QLatin1String(page);
}

} // namespace

TEST(PresetsTab, EditorWritesThroughAndTheListTellsWhetherTheSetupStillMatches) {
    World world(false);
    AppModel& model = *world.model;
    AppSettings& settings = model.settings();
    PresetStore& presets = model.presets();
    const QUuid camera = model.cameras().add(QStringLiteral("Sony FX3"), QStringLiteral("FX3")).id;
    const QString footage = world.destination(QStringLiteral("Footage"));
    QDir().mkpath(footage);
    model.destinations().add(footage);

    PresetsSettingsTab tab(model, nullptr, nullptr);
    EXPECT_TRUE(shows(tab, "presetList", "noPresets"));
    EXPECT_TRUE(shows(tab, "presetEditor", "noPresetSelected"));

    // + saves the current setup, in use and selected for naming.
    find<QToolButton>(tab, "addPreset")->click();
    ASSERT_EQ(presets.presets().size(), 1);
    const QUuid id = presets.presets()[0].id;
    EXPECT_EQ(presets.activeID(), id);
    EXPECT_EQ(tab.selectedPreset(), id);
    EXPECT_TRUE(shows(tab, "presetEditor", "presetEditor"));
    EXPECT_EQ(inUseTexts(tab), QStringList{QStringLiteral("In use")});

    // Editing the preset in use makes the setup differ from it; updating brings them together.
    auto* folders = find<QLineEdit>(tab, "presetFolderTemplate");
    typeInto(folders, QStringLiteral("/{camera}"));
    EXPECT_EQ(presets.presets()[0].folderTemplate,
              settings.value(setting::folderTemplate) + QStringLiteral("/{camera}"));
    EXPECT_EQ(inUseTexts(tab), QStringList{QStringLiteral("In use · edited")});
    find<QPushButton>(tab, "updateFromCurrentSetup")->click();
    EXPECT_EQ(presets.presets()[0].folderTemplate, settings.value(setting::folderTemplate));
    EXPECT_EQ(inUseTexts(tab), QStringList{QStringLiteral("In use")});
    // So does a setting changed elsewhere.
    settings.setValue(setting::quickDump, true);
    EXPECT_EQ(inUseTexts(tab), QStringList{QStringLiteral("In use · edited")});
    find<QPushButton>(tab, "updateFromCurrentSetup")->click();
    EXPECT_TRUE(presets.presets()[0].quickDump);
    EXPECT_TRUE(find<QCheckBox>(tab, "presetQuickDump")->isChecked());
    EXPECT_EQ(inUseTexts(tab), QStringList{QStringLiteral("In use")});

    // Templates that don't parse are kept, with the warning.
    auto* warning = find<QLabel>(tab, "presetTemplateWarning");
    EXPECT_TRUE(warning->isHidden());
    typeInto(find<QLineEdit>(tab, "presetFileTemplate"), QStringLiteral("{nope"), true);
    EXPECT_EQ(presets.presets()[0].fileTemplate, QStringLiteral("{nope"));
    EXPECT_FALSE(warning->isHidden());

    auto* destination = find<QComboBox>(tab, "presetDestination");
    choose(destination, QStringLiteral("Footage"));
    EXPECT_EQ(presets.presets()[0].destinationPath, footage);
    choose(destination, QStringLiteral("Keep current folder"));
    EXPECT_EQ(presets.presets()[0].destinationPath, std::nullopt);
    auto* cameraBox = find<QComboBox>(tab, "presetCamera");
    EXPECT_EQ(cameraBox->currentText(), QStringLiteral("Suggested for the card"));
    choose(cameraBox, QStringLiteral("Sony FX3"));
    EXPECT_EQ(presets.presets()[0].cameraID, camera);

    // Off keeps the seconds for when the rule comes back.
    presets.edit(id, [](OffloadPreset& p) { p.shortClipSeconds = 8; });
    auto* slider = find<QSlider>(tab, "slider");
    EXPECT_EQ(slider->value(), 8);
    slider->setValue(0);
    EXPECT_FALSE(presets.presets()[0].skipShortClips);
    EXPECT_EQ(presets.presets()[0].shortClipSeconds, 8);

    FileRules rules = settings.value(setting::fileRules);
    rules.ignorePatterns << QStringLiteral("*.tmp");
    settings.setValue(setting::fileRules, rules);
    auto* useRules = find<QPushButton>(tab, "useCurrentFileRules");
    ASSERT_TRUE(useRules->isEnabled());
    useRules->click();
    EXPECT_EQ(presets.presets()[0].fileRules, rules);
    EXPECT_FALSE(useRules->isEnabled());

    // The name is taken when the field is left, trimmed and made unique.
    presets.add(OffloadPreset{.name = QStringLiteral("Wedding")});
    tab.selectPreset(id);
    auto* name = find<QLineEdit>(tab, "presetName");
    typeInto(name, QStringLiteral("  wedding "), true);
    EXPECT_EQ(presets.presets()[0].name, QStringLiteral("New Preset"));
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(presets.presets()[0].name, QStringLiteral("wedding 2"));
    EXPECT_EQ(name->text(), QStringLiteral("wedding 2"));
}

TEST(PresetsTab, DuplicateAndDeleteActOnTheSelectedPreset) {
    World world(false);
    PresetStore& presets = world.model->presets();
    const OffloadPreset interview = presets.add(OffloadPreset{.name = QStringLiteral("Interview")});
    presets.markActive(interview.id);
    PresetsSettingsTab tab(*world.model, nullptr, nullptr);
    auto* remove = find<QToolButton>(tab, "deletePreset");
    auto* duplicate = find<QToolButton>(tab, "duplicatePreset");
    EXPECT_FALSE(remove->isEnabled());
    EXPECT_EQ(duplicate->accessibleName(), QStringLiteral("Duplicate preset"));

    tab.selectPreset(interview.id);
    duplicate->click();
    tab.selectPreset(interview.id);
    duplicate->click();
    ASSERT_EQ(presets.presets().size(), 3);
    EXPECT_EQ(presets.presets()[2].name, QStringLiteral("Interview Copy 2"));
    EXPECT_EQ(tab.selectedPreset(), presets.presets()[2].id);
    EXPECT_EQ(find<QLineEdit>(tab, "presetName")->text(), QStringLiteral("Interview Copy 2"));
    // Copies are not in use; the original still is.
    EXPECT_EQ(inUseTexts(tab), (QStringList{QStringLiteral("In use"), QString(), QString()}));

    tab.selectPreset(interview.id);
    remove->click();
    EXPECT_EQ(presets.presets().size(), 2);
    EXPECT_EQ(presets.activeID(), std::nullopt);
    EXPECT_EQ(tab.selectedPreset(), std::nullopt);
    EXPECT_TRUE(shows(tab, "presetEditor", "noPresetSelected"));
    EXPECT_EQ(inUseTexts(tab), (QStringList{QString(), QString()}));
}

TEST(DestinationsTab, FavoritesAreAddedNamedMadeDefaultAndShowWhetherTheyAreThere) {
    World world(false);
    AppModel& model = *world.model;
    DestinationStore& store = model.destinations();
    // Start without the destination the world adopted as a favourite.
    QSet<QUuid> adopted;
    for (const FavoriteDestination& favorite : store.favorites())
        adopted.insert(favorite.id);
    store.remove(adopted);
    const QString a = world.destination(QStringLiteral("A"));
    const QString b = world.destination(QStringLiteral("B"));
    QDir().mkpath(a);
    QDir().mkpath(b);
    QStringList messages;
    std::optional<QString> answer;
    DestinationsSettingsTab tab(model, nullptr, nullptr,
                                [&](const std::optional<QString>&, const QString& message) {
                                    messages << message;
                                    return answer;
                                });
    EXPECT_TRUE(shows(tab, "favoriteList", "noFavorites"));

    // A cancelled chooser adds nothing; a chosen folder is added and selected.
    auto* add = find<QToolButton>(tab, "addFavorite");
    add->click();
    EXPECT_TRUE(store.favorites().isEmpty());
    EXPECT_EQ(messages.value(0),
              QStringLiteral("Choose a folder to add to your favorite destinations."));
    answer = a;
    add->click();
    answer = b;
    add->click();
    ASSERT_EQ(store.favorites().size(), 2);
    const QUuid idA = store.favorites()[0].id, idB = store.favorites()[1].id;
    EXPECT_EQ(tab.selectedFavorite(), idB);
    EXPECT_TRUE(shows(tab, "favoriteList", "favoriteList"));

    auto* name = find<QLineEdit>(tab, "favoriteName");
    EXPECT_EQ(name->accessibleName(), QStringLiteral("Favorite name"));
    typeInto(name, QStringLiteral(" Archive "), true);
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(store.favorite(idB)->name, QStringLiteral("Archive"));

    auto* makeDefault = find<QPushButton>(tab, "makeDefault");
    EXPECT_EQ(store.defaultID(), idA);
    ASSERT_TRUE(makeDefault->isEnabled());
    makeDefault->click();
    EXPECT_EQ(store.defaultID(), idB);
    EXPECT_FALSE(makeDefault->isEnabled());

    // A folder that is gone shows as not connected, in the list and for the selection.
    auto* list = find<QListWidget>(tab, "favoriteList");
    const auto notConnected = [&](int row) {
        return list->itemWidget(list->item(row))
                   ->findChild<QLabel*>(QStringLiteral("notConnected")) != nullptr;
    };
    EXPECT_FALSE(notConnected(0));
    QDir(a).removeRecursively();
    store.startWatchingDrives();
    store.mountsChanged();
    EXPECT_TRUE(notConnected(0));
    EXPECT_FALSE(notConnected(1));
    tab.selectFavorite(idA);
    EXPECT_FALSE(find<QLabel>(tab, "notConnected")->isHidden());

    // Moving the favourite in use takes the destination with it.
    model.useFavorite(*store.favorite(idA));
    const QString moved = world.destination(QStringLiteral("A moved"));
    QDir().mkpath(moved);
    answer = moved;
    find<QPushButton>(tab, "changeFolder")->click();
    EXPECT_EQ(messages.last(), QStringLiteral("Choose the new folder for “A”"));
    EXPECT_EQ(store.favorite(idA)->path, moved);
    EXPECT_EQ(model.settings().value(setting::destinationPath), moved);
    EXPECT_FALSE(notConnected(0));

    // Another favourite's folder is refused, and the tab says why.
    auto* error = find<QLabel>(tab, "destinationsError");
    EXPECT_TRUE(error->isHidden());
    answer = b;
    find<QPushButton>(tab, "changeFolder")->click();
    EXPECT_EQ(store.favorite(idA)->path, moved);
    EXPECT_FALSE(error->isHidden());
    EXPECT_TRUE(error->text().startsWith("“Archive” already points at"))
        << error->text().toStdString();

    find<QToolButton>(tab, "removeFavorite")->click();
    tab.selectFavorite(idB);
    find<QToolButton>(tab, "removeFavorite")->click();
    EXPECT_TRUE(store.favorites().isEmpty());
    EXPECT_TRUE(shows(tab, "favoriteList", "noFavorites"));
}

// Drops a row of `from` before row `to` of `onto`, as a drag does; `from` may be another list.
void dropRow(QListWidget* from, int row, QListWidget* onto, int to) {
    const std::unique_ptr<QMimeData> data(from->model()->mimeData({from->model()->index(row, 0)}));
    onto->model()->dropMimeData(data.get(), Qt::MoveAction, to, 0, {});
}

TEST(SettingsLists, PresetsAndFavoritesAreReorderedByDragging) {
    World world(false);
    AppModel& model = *world.model;
    for (const char* name : {"A", "B", "C"}) {
        model.presets().add({.name = name});
        model.destinations().add(world.destination(name));
    }
    const auto presetNames = [&] {
        QStringList names;
        for (const OffloadPreset& preset : model.presets().presets())
            names << preset.name;
        return names;
    };
    const auto favoriteNames = [&] {
        QStringList names;
        for (const FavoriteDestination& favorite : model.destinations().favorites())
            names << favorite.displayName();
        return names;
    };
    const QStringList favoritesBefore = favoriteNames();
    PresetsSettingsTab presetsTab(model, nullptr, nullptr);
    DestinationsSettingsTab favoritesTab(model, nullptr, nullptr);
    auto* presets = find<QListWidget>(presetsTab, "presetList");
    auto* favorites = find<QListWidget>(favoritesTab, "favoriteList");

    dropRow(presets, 0, presets, 3);
    ASSERT_TRUE(spinUntil([&] { return presetNames() == QStringList({"B", "C", "A"}); }));
    EXPECT_EQ(presets->item(2)->data(Qt::AccessibleTextRole).toString(), "A");
    dropRow(presets, 2, presets, 0);
    ASSERT_TRUE(spinUntil([&] { return presetNames() == QStringList({"A", "B", "C"}); }));

    // A row from another list is not taken.
    dropRow(favorites, 0, presets, 3);
    dropRow(favorites, 2, favorites, 1);
    ASSERT_TRUE(spinUntil([&] { return favoriteNames() != favoritesBefore; }));
    QStringList expected = favoritesBefore;
    expected.move(2, 1);
    EXPECT_EQ(favoriteNames(), expected);
    EXPECT_EQ(presetNames(), QStringList({"A", "B", "C"}));
}

TEST(DestinationsTab, BackupsAndTheirChecksAreSetThere) {
    World world(false);
    AppSettings& settings = world.model->settings();
    const QString backup = world.destination(QStringLiteral("Shuttle"));
    QDir().mkpath(backup);
    std::optional<QString> answer = backup;
    DestinationsSettingsTab tab(
        *world.model, nullptr, nullptr,
        [&](const std::optional<QString>&, const QString&) { return answer; });
    find<QToolButton>(tab, "addBackup")->click();
    answer = world.destination(QStringLiteral("Unplugged"));
    find<QToolButton>(tab, "addBackup")->click();
    EXPECT_EQ(settings.value(setting::backupDestinations), (QStringList{backup, *answer}));
    auto* list = find<QListWidget>(tab, "backupList");
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(list->item(1)->data(Qt::AccessibleTextRole).toString().contains("Not Connected"));

    list->item(0)->setSelected(true);
    find<QToolButton>(tab, "removeBackup")->click();
    EXPECT_EQ(settings.value(setting::backupDestinations), QStringList{*answer});

    for (QCheckBox* box : tab.findChildren<QCheckBox*>())
        if (box->text().contains(QStringLiteral("ASC MHL")) ||
            box->text().contains(QStringLiteral("again")) ||
            box->text() == QStringLiteral("Copy to one drive from several cards at once"))
            box->click();
    EXPECT_TRUE(settings.value(setting::writeAscMhl));
    EXPECT_TRUE(settings.value(setting::verifySource));
    EXPECT_TRUE(settings.value(setting::shareDestinationDrives));
}

TEST(DestinationsTab, EachBackupCopiesFromTheCardOrFromTheFirstCopy) {
    World world(false);
    AppSettings& settings = world.model->settings();
    const QString card = world.destination(QStringLiteral("Shuttle"));
    const QString cascade = world.destination(QStringLiteral("Backup SSD"));
    settings.setValue(setting::backupDestinations, QStringList{card, cascade});
    const auto source = [](const QWidget& tab, int row) {
        auto* list = find<QListWidget>(tab, "backupList");
        return list->itemWidget(list->item(row))->findChild<QComboBox*>();
    };
    {
        DestinationsSettingsTab tab(*world.model, nullptr, nullptr);
        EXPECT_EQ(source(tab, 1)->accessibleName(), "Copy to Backup SSD from");
        choose(source(tab, 1), QStringLiteral("From the first copy"));
        EXPECT_EQ(settings.value(setting::cascadeDestinations), QStringList{cascade});
    }
    DestinationsSettingsTab tab(*world.model, nullptr, nullptr);
    EXPECT_EQ(source(tab, 0)->currentText(), "From the card");
    EXPECT_EQ(source(tab, 1)->currentText(), "From the first copy");

    // Gone from the backups, it is gone from the cascade: added again, it copies from the card.
    find<QListWidget>(tab, "backupList")->item(1)->setSelected(true);
    find<QToolButton>(tab, "removeBackup")->click();
    EXPECT_EQ(settings.value(setting::cascadeDestinations), QStringList());
    settings.setValue(setting::backupDestinations, QStringList{card, cascade});
    EXPECT_EQ(source(tab, 1)->currentText(), "From the card");
}
