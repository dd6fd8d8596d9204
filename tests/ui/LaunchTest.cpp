#include "UiWorld.h"

#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <csignal>

using namespace stowly;
using namespace stowly::test;

namespace {

// The log's lines with the given ending, as their times.
QList<QDateTime> linesEnding(const QString& log, const QString& ending) {
    QList<QDateTime> times;
    for (const QByteArray& raw : readFile(log).split('\n'))
        if (const QString line = QString::fromUtf8(raw); line.endsWith(ending))
            times.append(QDateTime::fromString(line.section(u' ', 0, 0), Qt::ISODateWithMs));
    return times;
}

} // namespace

// The real program on a virtual display: it shows its window soon after launching, a second
// launch hands over to it and ends, and a polite request to stop ends it cleanly.
TEST(LaunchTest, ProgramShowsItsWindowStaysSingleAndStopsOnRequest) {
    const QString xvfbRun = QStandardPaths::findExecutable("xvfb-run");
    if (xvfbRun.isEmpty())
        GTEST_SKIP() << "xvfb-run is not installed (Debian package xvfb), so there is no "
                        "display to start the window on";
    TempDir home;
    QProcessEnvironment env = programEnvironment(home);
    const QString program = QStringLiteral(STOWLY_BIN_DIR "/stowly");
    const QString log = home("state/Stowly/Stowly.log");

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(xvfbRun, {"-a", program});
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(spinUntil([&] { return !linesEnding(log, "main window shown").isEmpty(); }, 30000))
        << first.readAllStandardError().toStdString();
    const QList<QDateTime> launched = linesEnding(log, " launched");
    ASSERT_EQ(launched.size(), 1);
    EXPECT_LE(launched[0].msecsTo(linesEnding(log, "main window shown")[0]), 2000);

    QProcess second;
    env.insert("QT_QPA_PLATFORM", "offscreen");
    second.setProcessEnvironment(env);
    second.start(program, {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(linesEnding(log, " launched").size(), 1) << "a second model started";

    const qint64 pid = descendantNamed(first.processId(), "stowly");
    ASSERT_NE(pid, 0);
    ASSERT_EQ(::kill(pid_t(pid), SIGTERM), 0);
    ASSERT_TRUE(first.waitForFinished(15000));
    EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
}

// The desktop app writes a report when it crashes itself, and its next start offers it.
TEST(LaunchTest, ACrashOfTheWindowIsReportedAndOfferedAtTheNextStart) {
    TempDir home;
    QProcessEnvironment env = programEnvironment(home);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    const QString program = QStringLiteral(STOWLY_BIN_DIR "/stowly");
    const QString log = home("state/Stowly/Stowly.log");
    const QString crashes = home("state/Stowly/crashes");
    const auto lastSeen = [&] {
        QSettings preferences(home("config/Stowly/Stowly.conf"), QSettings::IniFormat);
        return preferences.value("StowlyLastSeenCrashReportDate").toDateTime();
    };
    QProcess app;
    app.setProcessEnvironment(env);

    // The first start only notes where "new" begins; then the program crashes.
    app.start(program, {});
    ASSERT_TRUE(spinUntil([&] { return lastSeen().isValid(); }, 60000))
        << app.readAllStandardError().toStdString();
    ASSERT_EQ(::kill(pid_t(app.processId()), SIGSEGV), 0);
    ASSERT_TRUE(app.waitForFinished(15000));
    EXPECT_EQ(app.exitStatus(), QProcess::CrashExit);
    const QStringList reports = QDir(crashes).entryList({"Stowly-*.crash"});
    ASSERT_EQ(reports.size(), 1) << "no crash report in " << crashes.toStdString();
    const QString report = crashes + u'/' + reports[0];
    EXPECT_TRUE(readFile(report).contains("SIGSEGV"));

    // Offered once: the next start has looked at it.
    app.start(program, {});
    ASSERT_TRUE(
        spinUntil([&] { return readFile(log).contains("Found a new crash report"); }, 60000))
        << app.readAllStandardError().toStdString();
    EXPECT_GE(lastSeen(), QFileInfo(report).lastModified().addSecs(-1));
    ::kill(pid_t(app.processId()), SIGTERM);
    ASSERT_TRUE(app.waitForFinished(15000));
    EXPECT_EQ(app.exitStatus(), QProcess::NormalExit);
}

// Debian's default desktop session is Wayland: the window starts under a real compositor
// (weston, headless) and is drawn there.
TEST(LaunchTest, TheWindowAppearsUnderAWaylandCompositor) {
    const QString weston = QStandardPaths::findExecutable("weston");
    if (weston.isEmpty())
        GTEST_SKIP() << "weston is not installed (Debian package weston)";
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                       "/platforms/libqwayland-generic.so"))
        GTEST_SKIP() << "Qt's Wayland platform is not installed (Debian package qt6-wayland)";
    TempDir home;
    QProcessEnvironment env = programEnvironment(home);
    QProcess compositor;
    compositor.setProcessEnvironment(env);
    compositor.setProcessChannelMode(QProcess::MergedChannels);
    compositor.start(weston, {"--backend=headless-backend.so", "--socket=stowly-test",
                              "--idle-time=0", "--no-config"});
    ASSERT_TRUE(compositor.waitForStarted());
    ASSERT_TRUE(spinUntil([&] { return QFile::exists(home("runtime/stowly-test")); }, 20000))
        << compositor.readAll().toStdString();

    env.insert("WAYLAND_DISPLAY", "stowly-test");
    env.insert("QT_QPA_PLATFORM", "wayland");
    env.remove("DISPLAY");
    QProcess app;
    app.setProcessEnvironment(env);
    app.start(QStringLiteral(STOWLY_BIN_DIR "/stowly"), {});
    const QString log = home("state/Stowly/Stowly.log");
    const bool drawn = spinUntil(
        [&] { return readFile(log).contains("main window on screen (wayland)\n"); }, 30000);
    ::kill(pid_t(app.processId()), SIGTERM);
    app.waitForFinished(15000);
    compositor.terminate();
    compositor.waitForFinished(5000);
    const std::string errors = app.readAllStandardError().toStdString();
    EXPECT_TRUE(drawn) << errors;
    EXPECT_EQ(app.exitStatus(), QProcess::NormalExit) << errors;
    EXPECT_EQ(app.exitCode(), 0) << errors;
}
