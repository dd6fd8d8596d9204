#include "support/PrivateUdisks.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QUuid>

#include <functional>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace stowly::test {
namespace {

const char* const udisksd = "/usr/libexec/udisks2/udisksd";
const char* const udevd = "/lib/systemd/systemd-udevd";
// The python3 that comes with the system; others may lack the dbusmock module.
const char* const python = "/usr/bin/python3";
const char* const udisksName = "org.freedesktop.UDisks2";
const char* const polkitName = "org.freedesktop.PolicyKit1";
// udisksd leaves this behind, and programs take it for a sign that udisks runs.
const char* const udisksState = "/run/udisks2";
// Written to the lock file while the state folder is one this harness made.
const QByteArray madeState = "made /run/udisks2\n";

// Everyone may own, send and receive: the bus exists only for the test, and programs the
// test runs as an ordinary user must reach udisks through it.
const char* const busConfig = R"(<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_type="method_call"/>
    <allow send_destination="*"/>
    <allow receive_sender="*"/>
  </policy>
</busconfig>
)";

using Interfaces = QMap<QString, QVariantMap>;
using ManagedObjects = QMap<QDBusObjectPath, Interfaces>;

// Runs a short command to its end; false when it fails or overruns.
bool runQuietly(const QString& program, const QStringList& arguments, int timeoutMs) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Whether some udisksd other than those this harness stopped still runs, and so may use the
// state folder.
bool udisksdRuns() {
    const QStringList processes = QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& process : processes)
        if (QFileInfo("/proc/" + process + "/exe").symLinkTarget() == udisksd)
            return true;
    return false;
}

bool pollUntil(const std::function<bool()>& condition, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        if (condition())
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
}

} // namespace

std::unique_ptr<PrivateUdisks> PrivateUdisks::start(QString* whyNot) {
    if (::geteuid() != 0) {
        *whyNot = "needs root to run udisksd";
        return nullptr;
    }
    for (const char* program : {udisksd, udevd, python, "/usr/bin/dbus-daemon", "/usr/bin/udevadm"})
        if (!QFileInfo(program).isExecutable()) {
            *whyNot = QString("%1 is not installed").arg(program);
            return nullptr;
        }
    if (!runQuietly(python, {"-c", "import dbusmock"}, 30000)) {
        *whyNot = QString("%1 has no dbusmock module").arg(python);
        return nullptr;
    }

    std::unique_ptr<PrivateUdisks> self(new PrivateUdisks);
    // One udevd serves every instance, and the one that started it stops it; so one at a time.
    self->m_lock = ::open("/tmp/stowly-private-udisks.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (self->m_lock < 0 ||
        !pollUntil([&] { return ::flock(self->m_lock, LOCK_EX | LOCK_NB) == 0; }, 120000)) {
        *whyNot = "another private udisks stayed up for two minutes";
        return nullptr;
    }
    // A test that died could not take the folder away; the lock file says whose it is.
    QByteArray mark(madeState.size(), '\0');
    const bool leftOver =
        ::pread(self->m_lock, mark.data(), size_t(mark.size()), 0) == madeState.size() &&
        mark == madeState;
    if (leftOver || !QFileInfo::exists(udisksState)) {
        self->m_removeState = true;
        if (::ftruncate(self->m_lock, 0) != 0 ||
            ::pwrite(self->m_lock, madeState.constData(), size_t(madeState.size()), 0) !=
                madeState.size()) {
            *whyNot = "cannot write the lock file";
            return nullptr;
        }
    }
    if (!self->m_dir.isValid()) {
        *whyNot = "cannot make a temporary folder";
        return nullptr;
    }
    // Programs run as an ordinary user must reach the bus's socket inside.
    QFile::setPermissions(self->m_dir.path(), QFile::permissions(self->m_dir.path()) |
                                                  QFile::ExeGroup | QFile::ExeOther |
                                                  QFile::ReadGroup | QFile::ReadOther);

    const QString socket = self->m_dir.filePath("bus");
    const QString configPath = self->m_dir.filePath("bus.conf");
    QFile config(configPath);
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(QString(busConfig).arg(socket).toUtf8()) < 0) {
        *whyNot = "cannot write the bus configuration";
        return nullptr;
    }
    config.close();
    self->m_address = "unix:path=" + socket;
    if (!self->startChild(self->m_bus, "/usr/bin/dbus-daemon",
                          {"--config-file=" + configPath, "--nofork", "--print-address"}, whyNot))
        return nullptr;
    self->m_connectionName = "stowly-private-udisks-" + QUuid::createUuid().toString();
    const bool connected = pollUntil(
        [&] {
            if (QDBusConnection::connectToBus(self->m_address, self->m_connectionName)
                    .isConnected())
                return true;
            QDBusConnection::disconnectFromBus(self->m_connectionName);
            return false;
        },
        10000);
    if (!connected) {
        *whyNot = "the private bus did not come up";
        return nullptr;
    }

    // udisks learns of devices from udev's database. A stale control socket can outlive a dead
    // udevd, so only an answer counts.
    if (!runQuietly("/usr/bin/udevadm", {"control", "--ping", "-t", "2"}, 5000)) {
        if (!self->startChild(self->m_udevd, udevd, {}, whyNot))
            return nullptr;
        if (!pollUntil(
                [] {
                    return runQuietly("/usr/bin/udevadm", {"control", "--ping", "-t", "1"}, 3000);
                },
                10000)) {
            *whyNot = "udevd did not come up";
            return nullptr;
        }
        // Devices that appeared before udevd are missing from its database until told again.
        runQuietly("/usr/bin/udevadm", {"trigger", "--subsystem-match=block", "--action=change"},
                   30000);
        runQuietly("/usr/bin/udevadm", {"settle", "-t", "10"}, 15000);
    }

    // udisksd asks polkit from its first call on, so the stand-in comes first.
    const auto hasName = [&](const char* name) {
        return self->connection().interface()->isServiceRegistered(name).value();
    };
    if (!self->startChild(self->m_polkit, python,
                          {"-m", "dbusmock", "--system", "--template", "polkitd"}, whyNot))
        return nullptr;
    if (!pollUntil([&] { return hasName(polkitName); }, 15000)) {
        *whyNot = "the polkit stand-in did not come up";
        return nullptr;
    }

    if (!self->startChild(self->m_udisks, udisksd, {"--no-sigint"}, whyNot))
        return nullptr;
    const bool answers = pollUntil(
        [&] {
            if (!hasName(udisksName))
                return false;
            QDBusMessage call = QDBusMessage::createMethodCall(
                udisksName, "/org/freedesktop/UDisks2", "org.freedesktop.DBus.ObjectManager",
                "GetManagedObjects");
            return self->connection().call(call, QDBus::Block, 5000).type() ==
                   QDBusMessage::ReplyMessage;
        },
        20000);
    if (!answers) {
        *whyNot = "udisksd did not come up: " + self->daemonOutput();
        return nullptr;
    }
    return self;
}

PrivateUdisks::~PrivateUdisks() {
    if (!m_connectionName.isEmpty())
        QDBusConnection::disconnectFromBus(m_connectionName);
    // Those that use the bus go before it.
    stop(m_udisks);
    stop(m_polkit);
    stop(m_udevd);
    stop(m_bus);
    if (m_removeState && !udisksdRuns() && QDir(udisksState).removeRecursively())
        (void)::ftruncate(m_lock, 0);
    if (m_lock >= 0)
        ::close(m_lock);
}

bool PrivateUdisks::startChild(QProcess& process, const QString& program,
                               const QStringList& arguments, QString* whyNot) {
    process.setProcessEnvironment(environment());
    process.setProcessChannelMode(QProcess::MergedChannels);
    // A file rather than a pipe: a chatty daemon must never block on a full pipe.
    process.setStandardOutputFile(m_dir.filePath(QFileInfo(program).fileName() + ".log"));
    process.setStandardInputFile(QProcess::nullDevice());
    // Dies with the test, even one that crashes before the destructor runs.
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process.start(program, arguments);
    if (!process.waitForStarted(10000)) {
        *whyNot = QString("cannot start %1: %2").arg(program, process.errorString());
        return false;
    }
    return true;
}

void PrivateUdisks::stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

QDBusConnection PrivateUdisks::connection() const {
    return QDBusConnection(m_connectionName);
}

QProcessEnvironment PrivateUdisks::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DBUS_SYSTEM_BUS_ADDRESS", m_address);
    return environment;
}

bool PrivateUdisks::setPolicy(bool allowUnknown) {
    const auto call = [&](const char* method, const QVariant& argument) {
        QDBusMessage message =
            QDBusMessage::createMethodCall(polkitName, "/org/freedesktop/PolicyKit1/Authority",
                                           "org.freedesktop.DBus.Mock", method);
        message << argument;
        return connection().call(message, QDBus::Block, 5000).type() == QDBusMessage::ReplyMessage;
    };
    return call("SetAllowed", QStringList()) && call("AllowUnknown", allowUnknown);
}

bool PrivateUdisks::allowAll() {
    return setPolicy(true);
}

bool PrivateUdisks::allowNone() {
    return setPolicy(false);
}

QVariantMap PrivateUdisks::block(const QString& devicePath) const {
    QDBusMessage call =
        QDBusMessage::createMethodCall(udisksName, "/org/freedesktop/UDisks2",
                                       "org.freedesktop.DBus.ObjectManager", "GetManagedObjects");
    const QDBusMessage reply = connection().call(call, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    const auto objects = qdbus_cast<ManagedObjects>(reply.arguments().constFirst());
    for (const Interfaces& interfaces : objects) {
        const auto found = interfaces.constFind("org.freedesktop.UDisks2.Block");
        if (found == interfaces.constEnd())
            continue;
        QByteArray device = found->value("Device").toByteArray();
        // A byte string that ends in NUL on the bus.
        if (device.endsWith('\0'))
            device.chop(1);
        if (QString::fromLocal8Bit(device) == devicePath)
            return *found;
    }
    return {};
}

bool PrivateUdisks::waitForBlock(const QString& devicePath, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    runQuietly("/usr/bin/udevadm", {"settle", "-t", QString::number(qMax(1, timeoutMs / 1000))},
               timeoutMs + 5000);
    // A loop device shows up empty before its backing file is in; only its size tells.
    return pollUntil([&] { return block(devicePath).value("Size").toULongLong() > 0; },
                     int(qMax<qint64>(0, deadline.remainingTime())));
}

QString PrivateUdisks::daemonOutput() const {
    QFile log(m_dir.filePath("udisksd.log"));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(log.readAll());
}

} // namespace stowly::test
