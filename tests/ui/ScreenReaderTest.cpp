// The real program driven as a screen reader and a voice-control tool drive it: on a virtual
// display, with a session bus and an accessibility bus of the test's own, a real exFAT card is
// offloaded through the accessibility interface alone (tools/ScreenReaderRoad.py).

#include "UiWorld.h"
#include "support/MediaCard.h"
#include "support/PrivateSessionBus.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>

using namespace stowly;
using namespace stowly::test;

namespace {

const QString python = "/usr/bin/python3";
const QString busLauncher = "/usr/libexec/at-spi-bus-launcher";

QString whyNotHere() {
    if (QStandardPaths::findExecutable("xvfb-run").isEmpty())
        return "xvfb-run is not installed (Debian package xvfb)";
    if (!QFile::exists(busLauncher))
        return QStringLiteral(
            "the accessibility bus is not installed (Debian package at-spi2-core)");
    if (QProcess::execute(python, {"-c", "import pyatspi"}) != 0)
        return "pyatspi is not installed (Debian package python3-pyatspi)";
    return {};
}

void endWithThisProcess(QProcess& process) {
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

} // namespace

TEST(ScreenReaderTest, ARealCardIsOffloadedThroughTheAccessibilityInterface) {
    QString why = whyNotHere();
    if (!why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    TempDir home;
    auto card = mediaCard("A11Y", home.path(), ScratchMount::Driver::kernelFirst, &why);
    if (!card)
        GTEST_SKIP() << why.toStdString();
    for (int i = 1; i <= 3; ++i)
        writeFile(card->mountPoint + QStringLiteral("/DCIM/100MSDCF/DSC0000%1.JPG").arg(i),
                  QByteArray(200'000 + i, char('a' + i)));
    ::sync();
    auto bus = PrivateSessionBus::start(&why);
    ASSERT_TRUE(bus) << why.toStdString();

    QProcessEnvironment env = programEnvironment(home);
    env.insert("DBUS_SESSION_BUS_ADDRESS", bus->address());

    QProcess launcher;
    endWithThisProcess(launcher);
    launcher.setProcessEnvironment(env);
    launcher.start(busLauncher, {"--launch-immediately"});
    ASSERT_TRUE(spinUntil(
        [&] { return bus->connection().interface()->isServiceRegistered("org.a11y.Bus"); }, 20000))
        << "the accessibility bus did not come up";

    const QString destination = home("Footage");
    QDir().mkpath(destination);
    QProcess settings;
    settings.setProcessEnvironment(env);
    settings.start(QStringLiteral(STOWLY_BIN_DIR "/stowly-cli"),
                   {"settings", "destinationPath", destination});
    ASSERT_TRUE(settings.waitForFinished(30000));
    ASSERT_EQ(settings.exitCode(), 0) << settings.readAllStandardError().toStdString();

    QProcessEnvironment appEnv = env;
    appEnv.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    QProcess app;
    endWithThisProcess(app);
    app.setProcessEnvironment(appEnv);
    app.start(QStandardPaths::findExecutable("xvfb-run"),
              {"-a", QStringLiteral(STOWLY_BIN_DIR "/stowly")});
    ASSERT_TRUE(app.waitForStarted());

    QProcess road;
    road.setProcessEnvironment(env);
    road.setProcessChannelMode(QProcess::MergedChannels);
    road.start(python, {QStringLiteral(STOWLY_TESTS_DIR "/ui/tools/ScreenReaderRoad.py"),
                        card->label, "Harbour Shoot"});
    const bool ended = road.waitForFinished(240'000);
    const QString said = QString::fromUtf8(road.readAll());

    // The program first, then the bus it was read through.
    if (const qint64 pid = descendantNamed(app.processId(), "stowly"))
        ::kill(pid_t(pid), SIGTERM);
    app.waitForFinished(15000);
    launcher.terminate();
    launcher.waitForFinished(5000);

    ASSERT_TRUE(ended) << said.toStdString();
    EXPECT_EQ(road.exitCode(), 0) << said.toStdString();
    EXPECT_TRUE(said.contains(card->label + ", 3 new files")) << said.toStdString();
    EXPECT_TRUE(said.contains("finished: Offload Complete — 3 copied")) << said.toStdString();
    EXPECT_EQ(QDir(destination).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1)
        << "the copies are not at the destination";
}
