// Editing the folder template by hand: every gesture rewrites the template in the settings.

#include "ui/stages/FolderLevelsEditor.h"
#include "app/model/AppModel.h"
#include "support/AppModelWorld.h"

#include <QListWidget>
#include <QMenu>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

void choose(FolderLevelsEditor& editor, int row, const QString& title) {
    QMenu menu;
    editor.fillMenu(menu, row);
    QList<QAction*> actions = menu.actions();
    for (int i = 0; i < actions.size(); ++i) {
        if (QMenu* sub = actions[i]->menu())
            actions.append(sub->actions());
        if (actions[i]->text() == title) {
            actions[i]->trigger();
            return;
        }
    }
    ADD_FAILURE() << "no menu entry " << title.toStdString();
}

} // namespace

TEST(FolderLevelsEditorTest, GesturesRewriteTheTemplateLevelByLevel) {
    World world;
    AppSettings& settings = world.model->settings();
    settings.setValue(setting::folderTemplate, "{date}/{project}");
    FolderLevelsEditor editor(settings);
    const auto templateIs = [&] { return settings.value(setting::folderTemplate); };

    for (QToolButton* chip : editor.findChildren<QToolButton*>())
        if (chip->text() == "{camera}")
            chip->click();
    EXPECT_EQ(templateIs(), "{date}/{project}/{camera}");
    EXPECT_EQ(editor.findChild<QListWidget*>("folderLevels")->count(), 3);

    EXPECT_TRUE(editor.drop("stowly-token:year", 0, FolderLevelsEditor::Drop::before));
    EXPECT_EQ(templateIs(), "{year}/{date}/{project}/{camera}");
    // A level dropped onto another joins it side by side and leaves its place.
    editor.drop("stowly-level:3", 1, FolderLevelsEditor::Drop::onto);
    EXPECT_EQ(templateIs(), "{year}/{date}_{camera}/{project}");
    choose(editor, 1, "Hyphen");
    EXPECT_EQ(templateIs(), "{year}/{date}-{camera}/{project}");
    choose(editor, 1, "Move “{camera}” to Its Own Level");
    EXPECT_EQ(templateIs(), "{year}/{date}/{camera}/{project}");
    editor.drop("stowly-level:0", 3, FolderLevelsEditor::Drop::after);
    EXPECT_EQ(templateIs(), "{date}/{camera}/{project}/{year}");
    choose(editor, 3, "Remove Folder Level");
    EXPECT_EQ(templateIs(), "{date}/{camera}/{project}");

    // Anything else dropped changes nothing.
    EXPECT_FALSE(editor.drop("/home/user/file.txt", 0, FolderLevelsEditor::Drop::onto));
    EXPECT_EQ(templateIs(), "{date}/{camera}/{project}");
}

// A name inside a combined level drags on its own, and a drop on the side of a name lands on
// that side of it.
TEST(FolderLevelsEditorTest, NamesDragOnTheirOwnAndDropsLandOnTheSideTheyWereMade) {
    World world;
    AppSettings& settings = world.model->settings();
    settings.setValue(setting::folderTemplate, "{date}_{camera}/{project}");
    FolderLevelsEditor editor(settings);
    editor.resize(320, 300);
    editor.show();
    auto* list = editor.findChild<QListWidget*>("folderLevels");
    ASSERT_NE(list, nullptr);
    // What a drag and a drop at each x of a row would do, left to right.
    const auto across = [&](int row, auto what) {
        QStringList seen;
        for (int x = 0; x < list->viewport()->width(); ++x) {
            const QString here = what(row, x);
            if (seen.isEmpty() || seen.last() != here)
                seen << here;
        }
        return seen;
    };
    const auto drags = [&](int row, int x) { return editor.dragText(row, x); };
    const auto places = [&](int row, int x) { return QString::number(editor.placeAt(row, x)); };
    EXPECT_EQ(across(0, drags), QStringList({"stowly-item:0:0", "stowly-item:0:1"}));
    EXPECT_EQ(across(1, drags), QStringList({"stowly-level:1"}));
    EXPECT_EQ(across(0, places), QStringList({"0", "1", "2"}));

    // {camera} dragged out of the first level onto the left side of {project}.
    int leftOfProject = 0;
    EXPECT_TRUE(editor.drop("stowly-item:0:1", 1, FolderLevelsEditor::Drop::onto,
                            editor.placeAt(1, leftOfProject)));
    EXPECT_EQ(settings.value(setting::folderTemplate), "{date}/{camera}_{project}");
    // A token on the right side of {camera}, which is before {project}.
    int rightOfCamera = -1;
    for (int x = 0; x < list->viewport()->width() && rightOfCamera < 0; ++x)
        if (editor.placeAt(1, x) == 1)
            rightOfCamera = x;
    ASSERT_GE(rightOfCamera, 0);
    editor.drop("stowly-token:year", 1, FolderLevelsEditor::Drop::onto,
                editor.placeAt(1, rightOfCamera));
    EXPECT_EQ(settings.value(setting::folderTemplate), "{date}/{camera}_{year}_{project}");
    // A name moved within its level.
    editor.drop("stowly-item:1:2", 1, FolderLevelsEditor::Drop::onto, 0);
    EXPECT_EQ(settings.value(setting::folderTemplate), "{date}/{project}_{camera}_{year}");
}
