// The application around its windows: quitting from everywhere, and the commands that open the
// settings window.

#include "UiWorld.h"
#include "ui/StatusItemController.h"
#include "ui/settings/SettingsWindow.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

struct Desktop : WindowWorld {
    DesktopApp& app = desktop;
    QSignalSpy quits{&app, &DesktopApp::quitting};

    QAction* trayAction(const QString& title) const {
        for (QAction* action : app.statusItem().menu()->actions())
            if (action->text() == title)
                return action;
        return nullptr;
    }
};

} // namespace

TEST(DesktopAppTest, QuitQuitsFromTheKeyboardTheMenuAndEveryWindowAndClosingOnlyHides) {
    Desktop d;
    MainWindow& window = d.window;
    d.world.model->settings().setValue(setting::keepRunningInMenuBar, true);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    // Closing the window in menu bar mode hides it and keeps Stowly running.
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(d.quits.count(), 0);

    d.app.showMainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(d.quits.count(), 1) << "Ctrl+Q in the main window";

    auto* menuButton = window.findChild<QToolButton*>("appMenuButton");
    ASSERT_NE(menuButton, nullptr);
    auto* quit = menuButton->menu()->findChild<QAction*>("quitAction");
    ASSERT_NE(quit, nullptr);
    quit->trigger();
    EXPECT_EQ(d.quits.count(), 2) << "the main menu's Quit Stowly";

    d.trayAction("Quit Stowly")->trigger();
    EXPECT_EQ(d.quits.count(), 3) << "the tray's Quit Stowly";

    // From the settings window, also while the main window is closed.
    window.close();
    d.app.showSettings();
    SettingsWindow* settings = shownTopLevel<SettingsWindow>();
    ASSERT_NE(settings, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(settings));
    QTest::keyClick(settings, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(d.quits.count(), 4) << "Ctrl+Q in the settings window";
}

TEST(DesktopAppTest, TraySettingsAndEditFavoritesOpenTheSettingsWindow) {
    Desktop d;
    d.world.model->settings().setValue(setting::keepRunningInMenuBar, true);
    d.world.model->settings().setValue(setting::settingsTab, SettingsTab::cameras);
    ASSERT_EQ(shownTopLevel<SettingsWindow>(), nullptr);

    d.trayAction("Settings…")->trigger();
    SettingsWindow* settings = shownTopLevel<SettingsWindow>();
    ASSERT_NE(settings, nullptr) << "the tray opened no settings window";
    EXPECT_EQ(settings->currentTab(), SettingsTab::cameras) << "the tab last shown";
    EXPECT_FALSE(d.app.window().isVisible());
    settings->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // The destination stage's favourites menu, as the user opens it.
    auto* favorites = d.app.window().findChild<QToolButton*>("favoritesButton");
    ASSERT_NE(favorites, nullptr);
    Q_EMIT favorites->menu()->aboutToShow();
    QAction* edit = nullptr;
    for (QAction* action : favorites->menu()->actions())
        if (action->text() == "Edit Favorites…")
            edit = action;
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(edit->isEnabled());
    edit->trigger();
    settings = shownTopLevel<SettingsWindow>();
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->currentTab(), SettingsTab::destinations);
}
