// Import prompts and ended offloads on the desktop: a real notification server stand-in
// (python3-dbusmock's notification daemon) on a session bus of the test's own, and the floating
// panel.

#include "app/model/AppModel.h"
#include "app/model/CardDevices.h"
#include "app/prompts/ImportPrompter.h"
#include "devices/ProcessRunner.h"
#include "diagnostics/BugReport.h"
#include "support/AppModelWorld.h"
#include "support/PrivateSessionBus.h"
#include "support/RecordingHandoff.h"
#include "ui/DesktopPromptPresenter.h"
#include "ui/ImportPanel.h"
#include "ui/OffloadNotice.h"

#include <QDBusConnection>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

const QString notifications = QStringLiteral("org.freedesktop.Notifications");
const QString notificationsPath = QStringLiteral("/org/freedesktop/Notifications");

// A session bus with a notification server on it, gone with the object.
struct NotificationServer {
    explicit NotificationServer(const QString& capabilities) {
        bus = PrivateSessionBus::start(&why);
        if (!bus)
            return;
        if (!bus->startTemplate(QStringLiteral("notification_daemon"), notifications,
                                QString("{\"capabilities\": \"%1\"}").arg(capabilities))) {
            why = "the notification server did not come up";
            return;
        }
        // The stand-in takes a signed id where the real interface takes an unsigned one.
        bus->mock(notifications, notificationsPath, "AddMethod",
                  {notifications, "CloseNotification", "u", "",
                   "self.EmitSignal('', 'NotificationClosed', 'uu', [args[0], 3])"});
        connection = bus->connection();
    }
    QList<QVariantList> calls(const QString& method) {
        return bus->calls(notifications, notificationsPath, method);
    }
    void invoke(uint id, const QString& action) {
        bus->mock(notifications, notificationsPath, "EmitSignal",
                  {notifications, "ActionInvoked", "us", QVariantList{id, action}});
    }

    std::unique_ptr<PrivateSessionBus> bus;
    std::optional<QDBusConnection> connection;
    QString why;
};

} // namespace

TEST(ImportPromptsTest, ANotificationCarriesTheChoicesAndFollowsTheCard) {
    NotificationServer server("body actions");
    if (!server.why.isEmpty())
        GTEST_SKIP() << "Skipped: " << server.why.toStdString();
    World world;
    DesktopPromptPresenter presenter(world.model->importPrompter(), *server.connection);
    const CardVolume card = world.insertCard("EOS_DIGITAL", {{"DCIM/IMG_0001.JPG", "photo"}});

    presenter.showNotification(card, "EOS_DIGITAL card connected");
    presenter.showNotification(card, "EOS_DIGITAL card connected");
    ASSERT_TRUE(spinUntil([&] { return server.calls("Notify").size() == 2; }));
    const QList<QVariantList> notified = server.calls("Notify");
    const QVariantList first = notified.at(0);
    EXPECT_EQ(first.at(3).toString(), "EOS_DIGITAL card connected");
    EXPECT_EQ(first.at(4).toString(), "Import with Stowly?");
    const QStringList actions = first.at(5).toStringList();
    EXPECT_EQ(actions.mid(2), QStringList({"import", "Import", "ignore", "Ignore", "dontAsk",
                                           "Don’t Ask for This Card"}));
    // The second prompt for the card replaces the first.
    EXPECT_EQ(first.at(1).toUInt(), 0u);
    const uint id = notified.at(1).at(1).toUInt();
    EXPECT_GT(id, 0u);
    EXPECT_TRUE(presenter.panels().isEmpty());

    // "Import" reaches the model: the card is shown for import, not the one inserted since.
    world.insertCard("OTHER", {{"DCIM/IMG_0001.JPG", "photo"}});
    ASSERT_TRUE(spinUntil([&] { return world.model->selectedCardID() != card.url; }));
    server.invoke(id, "import");
    EXPECT_TRUE(spinUntil([&] { return world.model->selectedCardID() == card.url; }));

    // A card that goes takes its prompt with it.
    presenter.showNotification(card, "EOS_DIGITAL card connected");
    ASSERT_TRUE(spinUntil([&] { return server.calls("Notify").size() == 3; }));
    presenter.removeNotification(card.url);
    EXPECT_TRUE(spinUntil([&] { return server.calls("CloseNotification").size() == 1; }));
}

TEST(ImportPromptsTest, WithoutActionButtonsThePanelsStackFromTheTopRight) {
    NotificationServer server("body");
    if (!server.why.isEmpty())
        GTEST_SKIP() << "Skipped: " << server.why.toStdString();
    World world;
    DesktopPromptPresenter presenter(world.model->importPrompter(), *server.connection);
    const CardVolume a = world.insertCard("A", {{"DCIM/IMG_0001.JPG", "photo"}});
    const CardVolume b = world.insertCard("B", {{"DCIM/IMG_0001.JPG", "photo"}});
    presenter.showNotification(a, "A card connected");
    presenter.showPanel(b, "B card connected");
    EXPECT_TRUE(server.calls("Notify").isEmpty());
    const QList<ImportPanel*> panels = presenter.panels();
    ASSERT_EQ(panels.size(), 2);
    EXPECT_TRUE(panels[0]->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_EQ(panels[1]->y() - panels[0]->y(), panels[0]->geometry().height() + 8);
    EXPECT_EQ(panels[0]->x(), panels[1]->x());

    // Choosing in one closes only that one, and the other moves up.
    const QPoint top = panels[0]->pos();
    for (QPushButton* button : panels[0]->findChildren<QPushButton*>())
        if (button->text() == "Ignore")
            button->click();
    ASSERT_EQ(presenter.panels().size(), 1);
    EXPECT_EQ(presenter.panels()[0]->windowTitle(), "B card connected");
    EXPECT_EQ(presenter.panels()[0]->pos(), top);
}

// A card's road leaves its name and its files' names in the log; a bug report carries neither.
TEST(ImportPromptsTest, ABugReportCarriesNoCardOrFileName) {
    NotificationServer server("body actions");
    if (!server.why.isEmpty())
        GTEST_SKIP() << "Skipped: " << server.why.toStdString();
    World world;
    DesktopPromptPresenter presenter(world.model->importPrompter(), *server.connection);
    world.model->settings().setValue(setting::askToImportOnMount, true);
    const CardVolume card = world.insertCard("A7SIII", {{"DCIM/100MSDCF/DSC00001.ARW", "raw"},
                                                        {"PRIVATE/M4ROOT/CLIP/C0001.MP4", "clip"}});
    // The world's prompter shows panels; the notification is posted as the desktop's would be.
    ASSERT_TRUE(spinUntil([&] { return !presenter.panels().isEmpty(); }));
    presenter.showNotification(card, world.model->importPrompter().title(card));
    ASSERT_TRUE(spinUntil([&] { return !server.calls("Notify").isEmpty(); }));
    ASSERT_TRUE(world.waitForSession());
    world.model->setProject("Harbour");
    world.model->startOffload();
    ASSERT_TRUE(world.waitForOffload());
    world.model->ejectCard(card);
    ASSERT_TRUE(spinUntil([&] { return !world.model->devices().isEjecting(); }));

    auto handoff = std::make_shared<RecordingHandoff>();
    std::optional<BugReport::Outcome> outcome;
    BugReport::compose(std::nullopt, handoff, [&](const BugReport::Outcome& o) { outcome = o; });
    ASSERT_TRUE(spinUntil([&] { return outcome.has_value(); }));
    ASSERT_FALSE(outcome->attachments.isEmpty());
    const QString report = QString::fromUtf8(readFile(outcome->attachments[0]));
    EXPECT_TRUE(report.contains("Posted the notification “<name>”")) << report.toStdString();
    for (const char* name : {"A7SIII", "DSC00001", "C0001", "Harbour"})
        EXPECT_FALSE(report.contains(QLatin1String(name))) << name << " in\n"
                                                           << report.toStdString();
}

// A card whose offload ends behind the window is told on the desktop; in front, the window
// says it.
TEST(ImportPromptsTest, ACardThatEndsBehindTheWindowIsToldOnTheDesktop) {
    NotificationServer server("body");
    if (!server.why.isEmpty())
        GTEST_SKIP() << "Skipped: " << server.why.toStdString();
    World world;
    bool inFront = true;
    OffloadNotice notice(*world.model, *server.connection, [&] { return inFront; });
    for (const char* name : {"A_CARD", "B_CARD"}) {
        world.model->select(world.insertCard(name, {{"DCIM/1.JPG", name}}), false);
        ASSERT_TRUE(world.waitForSession());
        world.model->setProject("Harbour");
        world.model->startOffload();
        ASSERT_TRUE(world.waitForOffload());
        inFront = false;
    }
    ASSERT_TRUE(spinUntil([&] { return !server.calls("Notify").isEmpty(); }));
    const QList<QVariantList> told = server.calls("Notify");
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told[0].at(3).toString(), "“B_CARD”: Offload Complete");
    EXPECT_EQ(told[0].at(4).toString(), "1 copied · 0 skipped · 0 failed");
}

// On Wayland a window cannot place itself: no floating panel, a notification where the server
// shows buttons, else the window showing the card. A click carries its activation token to
// the window.
TEST(ImportPromptsTest, OnWaylandNoPanelAndTheClickBringsItsActivationToken) {
    NotificationServer server("body actions");
    if (!server.why.isEmpty())
        GTEST_SKIP() << "Skipped: " << server.why.toStdString();
    World world;
    DesktopPromptPresenter presenter(world.model->importPrompter(), *server.connection, nullptr,
                                     false);
    const CardVolume card = world.insertCard("A7SIII", {{"DCIM/IMG_0001.JPG", "photo"}});
    world.insertCard("OTHER", {{"DCIM/IMG_0001.JPG", "photo"}});
    ASSERT_TRUE(spinUntil([&] { return world.model->selectedCardID() != card.url; }));

    presenter.showPanel(card, "A7SIII card connected");
    EXPECT_TRUE(presenter.panels().isEmpty());
    ASSERT_TRUE(spinUntil([&] { return server.calls("Notify").size() == 1; }));

    QByteArray tokenWhileShown;
    QObject::connect(world.model.get(), &AppModel::selectionChanged,
                     [&] { tokenWhileShown = qgetenv("XDG_ACTIVATION_TOKEN"); });
    const uint id = 1;
    server.bus->mock(notifications, notificationsPath, "EmitSignal",
                     {notifications, "ActivationToken", "us", QVariantList{id, "token-42"}});
    server.invoke(id, "import");
    ASSERT_TRUE(spinUntil([&] { return world.model->selectedCardID() == card.url; }));
    EXPECT_EQ(tokenWhileShown, "token-42");
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN"));

    // A server without buttons: the window shows the card.
    NotificationServer plain("body");
    ASSERT_TRUE(plain.why.isEmpty());
    DesktopPromptPresenter bare(world.model->importPrompter(), *plain.connection, nullptr, false);
    world.model->select(world.model->cards().last(), false);
    ASSERT_NE(world.model->selectedCardID(), card.url);
    bare.showPanel(card, "A7SIII card connected");
    EXPECT_TRUE(bare.panels().isEmpty());
    EXPECT_TRUE(spinUntil([&] { return world.model->selectedCardID() == card.url; }));
}
