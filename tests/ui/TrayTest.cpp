// The tray item in menu bar mode: there only while wanted, its menu as the model stands.

#include "UiWorld.h"
#include "app/prompts/ImportPrompter.h"
#include "ui/MenuBarItem.h"
#include "ui/StatusItemController.h"

#include <QMenu>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

QStringList titles(QMenu* menu) {
    QStringList list;
    for (const QAction* action : menu->actions()) {
        const QString text = action->text().replace(QStringLiteral("&&"), QStringLiteral("&"));
        list.append(action->isSeparator() ? QStringLiteral("—")
                    : action->isEnabled() ? text
                                          : u'(' + text + u')');
    }
    return list;
}

} // namespace

// Busy: the cards cannot be imported from and the pause reads as a resume.
TEST(TrayTest, TheMenuFollowsTheCardsTheRunAndThePause) {
    const QList<MenuBarItem> busy = MenuBarItem::items(
        {{"/media/A", "A", std::nullopt}, {"/media/B", "B", std::nullopt}}, true, true);
    QStringList shown;
    for (const MenuBarItem& item : busy)
        shown.append(item.isEnabled() ? item.title() : u'(' + item.title() + u')');
    EXPECT_EQ(shown,
              QStringList({"Open Stowly", "", "(Cards & Drives)", "(Import from A…)",
                           "(Import from B…)", "(Offloading… (imports wait until it’s done))", "",
                           "Resume Detection", "Settings…", "", "Quit Stowly"}));
}

TEST(TrayTest, TheItemIsThereOnlyInMenuBarModeAndActsOnTheModel) {
    WindowWorld w;
    World& world = w.world;
    StatusItemController& tray = w.desktop.statusItem();
    AppSettings& settings = world.model->settings();
    EXPECT_FALSE(tray.isInserted());
    settings.setValue(setting::keepRunningInMenuBar, true);
    ASSERT_TRUE(tray.isInserted());
    EXPECT_EQ(titles(tray.menu()),
              QStringList({"Open Stowly", "—", "(No Cards Connected)", "—", "Pause Detection",
                           "Settings…", "—", "Quit Stowly"}));

    const CardVolume card = world.insertCard("EOS", {{"DCIM/IMG_0001.JPG", "photo"}});
    ASSERT_TRUE(world.waitForSession());
    QMenu* menu = tray.menu();
    EXPECT_EQ(titles(menu).mid(2, 2), QStringList({"(Cards & Drives)", "Import from EOS…"}));
    for (QAction* action : menu->actions())
        if (action->text() == "Pause Detection")
            action->trigger();
    EXPECT_TRUE(world.model->importPrompter().isPaused());
    EXPECT_TRUE(titles(tray.menu()).contains("Resume Detection"));

    // Hiding the icon takes the item away; Stowly keeps running.
    settings.setValue(setting::showMenuBarIcon, false);
    EXPECT_FALSE(tray.isInserted());
    EXPECT_EQ(tray.menu(), nullptr);
}
