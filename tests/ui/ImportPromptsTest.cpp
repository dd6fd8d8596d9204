// Import prompts on the desktop: a real notification server stand-in (python3-dbusmock's
// notification daemon) on a session bus of the test's own, and the floating panel.

#include "app/AppModel.h"
#include "app/ImportPrompter.h"
#include "devices/ProcessRunner.h"
#include "support/AppModelWorld.h"
#include "ui/DesktopPromptPresenter.h"
#include "ui/ImportPanel.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QPushButton>

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <csignal>

using namespace stowly;
using namespace stowly::test;

namespace {

// A session bus with a notification server on it, gone with the object.
class NotificationServer {
public:
    explicit NotificationServer(const QString& capabilities) {
        if (!QFileInfo::exists("/usr/bin/python3") ||
            QProcess::execute("/usr/bin/python3", {"-c", "import dbusmock"}) != 0) {
            why = "python3-dbusmock is not installed";
            return;
        }
        for (QProcess* p : {&bus, &server})
            p->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        bus.start("dbus-daemon", {"--session", "--nofork", "--print-address",
                                  "--address=unix:path=" + dir("bus")});
        if (!bus.waitForReadyRead(5000)) {
            why = "dbus-daemon did not start";
            return;
        }
        address = QString::fromUtf8(bus.readLine()).trimmed();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SESSION_BUS_ADDRESS", address);
        server.setProcessEnvironment(environment);
        server.start("/usr/bin/python3",
                     {"-m", "dbusmock", "--template", "notification_daemon", "-p",
                      QString("{\"capabilities\": \"%1\"}").arg(capabilities)});
        connection = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(address, "notifications-" + dir.path()));
        if (!spinUntil([&] {
                return connection->interface()->isServiceRegistered(
                    "org.freedesktop.Notifications");
            })) {
            why = "the notification server did not come up";
            return;
        }
        // The stand-in takes a signed id where the real interface takes an unsigned one.
        mock("AddMethod", {"org.freedesktop.Notifications", "CloseNotification", "u", "",
                           "self.EmitSignal('', 'NotificationClosed', 'uu', [args[0], 3])"});
    }
    ~NotificationServer() {
        if (connection)
            QDBusConnection::disconnectFromBus(connection->name());
        for (QProcess* p : {&server, &bus}) {
            p->terminate();
            if (!p->waitForFinished(3000))
                p->kill();
            p->waitForFinished(1000);
        }
    }

    QDBusMessage mock(const QString& method, const QVariantList& arguments) {
        QDBusMessage m = QDBusMessage::createMethodCall("org.freedesktop.Notifications",
                                                        "/org/freedesktop/Notifications",
                                                        "org.freedesktop.DBus.Mock", method);
        m.setArguments(arguments);
        return connection->call(m);
    }
    // The arguments of every call of method so far.
    QList<QVariantList> calls(const QString& method) {
        QList<QVariantList> list;
        const QDBusMessage answer = mock("GetMethodCalls", {method});
        const QDBusArgument argument = answer.arguments().value(0).value<QDBusArgument>();
        argument.beginArray();
        while (!argument.atEnd()) {
            argument.beginStructure();
            qulonglong time = 0;
            QVariantList arguments;
            argument >> time >> arguments;
            argument.endStructure();
            list.append(arguments);
        }
        argument.endArray();
        return list;
    }
    void invoke(uint id, const QString& action) {
        mock("EmitSignal",
             {"org.freedesktop.Notifications", "ActionInvoked", "us", QVariantList{id, action}});
    }

    TempDir dir;
    QProcess bus, server;
    QString address, why;
    std::unique_ptr<QDBusConnection> connection;
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
    EXPECT_EQ(panels[0]->size(), QSize(340, 96));
    EXPECT_TRUE(panels[0]->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_EQ(panels[1]->y() - panels[0]->y(), 96 + 8);
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
