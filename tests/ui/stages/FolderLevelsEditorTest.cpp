// Editing the folder template by hand: every gesture rewrites the template in the settings.

#include "ui/stages/FolderLevelsEditor.h"
#include "app/AppModel.h"
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
    settings.setFolderTemplate("{date}/{project}");
    FolderLevelsEditor editor(settings);
    const auto templateIs = [&] { return settings.folderTemplate(); };

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
