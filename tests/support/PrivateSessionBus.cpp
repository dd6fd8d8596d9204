#include "support/PrivateSessionBus.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QFileInfo>

#include <sys/prctl.h>

#include <csignal>

namespace stowly::test {
namespace {

void endWithThisProcess(QProcess& process) {
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

void stop(QProcess& process) {
    process.terminate();
    if (!process.waitForFinished(3000))
        process.kill();
    process.waitForFinished(1000);
}

} // namespace

std::unique_ptr<PrivateSessionBus> PrivateSessionBus::start(QString* whyNot) {
    if (!QFileInfo::exists(QStringLiteral("/usr/bin/python3")) ||
        QProcess::execute(QStringLiteral("/usr/bin/python3"),
                          {QStringLiteral("-c"), QStringLiteral("import dbusmock")}) != 0) {
        *whyNot = QStringLiteral("python3-dbusmock is not installed");
        return nullptr;
    }
    std::unique_ptr<PrivateSessionBus> bus(new PrivateSessionBus);
    endWithThisProcess(bus->m_bus);
    bus->m_bus.start(QStringLiteral("dbus-daemon"),
                     {QStringLiteral("--session"), QStringLiteral("--nofork"),
                      QStringLiteral("--print-address"),
                      QStringLiteral("--address=unix:path=") + bus->m_dir("bus")});
    if (!bus->m_bus.waitForReadyRead(5000)) {
        *whyNot = QStringLiteral("dbus-daemon did not start");
        return nullptr;
    }
    bus->m_address = QString::fromUtf8(bus->m_bus.readLine()).trimmed();
    bus->m_connectionName = QStringLiteral("private-session-") + bus->m_dir.path();
    QDBusConnection::connectToBus(bus->m_address, bus->m_connectionName);
    return bus;
}

PrivateSessionBus::~PrivateSessionBus() {
    QDBusConnection::disconnectFromBus(m_connectionName);
    for (auto& mock : m_mocks)
        stop(*mock);
    stop(m_bus);
}

QDBusConnection PrivateSessionBus::connection() const {
    return QDBusConnection(m_connectionName);
}

bool PrivateSessionBus::startMock(const QStringList& arguments, const QString& service) {
    auto process = std::make_unique<QProcess>();
    endWithThisProcess(*process);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(
        QStringLiteral("/usr/bin/python3"),
        QStringList{QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--session")} +
            arguments);
    m_mocks.push_back(std::move(process));
    const QDBusConnection bus = connection();
    return spinUntil([&] { return bus.interface()->isServiceRegistered(service).value(); }, 10000);
}

bool PrivateSessionBus::startTemplate(const QString& name, const QString& service,
                                      const QString& parameters) {
    QStringList arguments{QStringLiteral("--template"), name};
    if (!parameters.isEmpty())
        arguments << QStringLiteral("-p") << parameters;
    return startMock(arguments, service);
}

bool PrivateSessionBus::startObject(const QString& service, const QString& path,
                                    const QString& interface) {
    return startMock({service, path, interface}, service);
}

QDBusMessage PrivateSessionBus::mock(const QString& service, const QString& path,
                                     const QString& method, const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        service, path, QStringLiteral("org.freedesktop.DBus.Mock"), method);
    call.setArguments(arguments);
    return connection().call(call);
}

QList<QVariantList> PrivateSessionBus::calls(const QString& service, const QString& path,
                                             const QString& method) {
    QList<QVariantList> list;
    const QDBusMessage answer = mock(service, path, QStringLiteral("GetMethodCalls"), {method});
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

} // namespace stowly::test
