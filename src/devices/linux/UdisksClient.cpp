#include "devices/linux/UdisksClient.h"

#include "base/Log.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>

using namespace std::chrono_literals;

namespace stowly {
namespace {

constexpr auto root = "/org/freedesktop/UDisks2";
constexpr auto queryTimeout = 30s;
constexpr auto mountTimeout = 2min;
constexpr auto formatTimeout = 10min;

} // namespace

UdisksClient::UdisksClient(QDBusConnection connection, bool allowInteraction)
    : m_connection(std::move(connection)), m_allowInteraction(allowInteraction) {}

bool UdisksClient::Reply::isRefusal() const {
    return error &&
           (error->startsWith(QStringLiteral("org.freedesktop.UDisks2.Error.NotAuthorized")) ||
            *error == u"org.freedesktop.DBus.Error.AccessDenied");
}

bool UdisksClient::isAvailable(QDBusConnection connection) {
    QDBusConnectionInterface* bus = connection.isConnected() ? connection.interface() : nullptr;
    if (!bus)
        return false;
    const QString name = QString::fromLatin1(service);
    if (bus->isServiceRegistered(name))
        return true;
    const QDBusReply<QStringList> activatable = bus->activatableServiceNames();
    return activatable.isValid() && activatable.value().contains(name);
}

bool UdisksClient::servesThisProcess() {
    static const bool serves = [] {
        const bool available = isAvailable(QDBusConnection::systemBus());
        Log::info(Log::Category::app,
                  available ? QStringLiteral("Disks are handled through udisks2")
                            : QStringLiteral("udisks2 isn’t running: disks are handled with plain "
                                             "commands"));
        return available;
    }();
    return serves;
}

std::chrono::milliseconds UdisksClient::patience(std::chrono::milliseconds work) const {
    return m_allowInteraction ? std::max<std::chrono::milliseconds>(work, 5min) : work;
}

QVariantMap UdisksClient::options() const {
    return {{QStringLiteral("auth.no_user_interaction"), !m_allowInteraction}};
}

UdisksClient::Reply UdisksClient::call(const QString& objectPath, const char* interface,
                                       const char* method, QVariantList arguments,
                                       std::chrono::milliseconds timeout) const {
    QDBusMessage message =
        QDBusMessage::createMethodCall(QString::fromLatin1(service), objectPath,
                                       QString::fromLatin1(interface), QString::fromLatin1(method));
    message.setArguments(arguments);
    message.setInteractiveAuthorizationAllowed(m_allowInteraction);
    const QDBusMessage answer = m_connection.call(message, QDBus::Block, int(timeout.count()));
    if (answer.type() == QDBusMessage::ErrorMessage)
        return {answer.errorName(), answer.errorMessage()};
    if (answer.type() != QDBusMessage::ReplyMessage)
        return {QStringLiteral("org.freedesktop.DBus.Error.NoReply"),
                QStringLiteral("udisks2 did not answer")};
    const QVariantList values = answer.arguments();
    return {std::nullopt, values.isEmpty() ? QString() : values.first().toString()};
}

std::optional<UdisksObjects> UdisksClient::objects() const {
    QDBusMessage message = QDBusMessage::createMethodCall(
        QString::fromLatin1(service), QString::fromLatin1(root),
        QStringLiteral("org.freedesktop.DBus.ObjectManager"), QStringLiteral("GetManagedObjects"));
    const QDBusMessage answer = m_connection.call(
        message, QDBus::Block, int(std::chrono::milliseconds(queryTimeout).count()));
    if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty())
        return std::nullopt;
    const QDBusArgument argument = answer.arguments().first().value<QDBusArgument>();
    QMap<QDBusObjectPath, UdisksObjects::Interfaces> byPath;
    argument >> byPath;
    UdisksObjects::Managed managed;
    for (auto it = byPath.cbegin(); it != byPath.cend(); ++it)
        managed.insert(it.key().path(), it.value());
    return UdisksObjects::from(managed);
}

UdisksClient::Reply UdisksClient::unmount(const QString& blockPath) const {
    return call(blockPath, UdisksObjects::fileSystemInterface, "Unmount", {options()},
                patience(mountTimeout));
}

UdisksClient::Reply UdisksClient::mount(const QString& blockPath) const {
    // A card Stowly mounts is only read: nothing (not even an access time) is written to it.
    QVariantMap o = options();
    o.insert(QStringLiteral("options"), QStringLiteral("ro"));
    return call(blockPath, UdisksObjects::fileSystemInterface, "Mount", {o},
                patience(mountTimeout));
}

UdisksClient::Reply UdisksClient::format(const QString& blockPath, const QString& type,
                                         const QString& label) const {
    QVariantMap o = options();
    o.insert(QStringLiteral("label"), label);
    // The partition's type byte follows the new file system, as cameras expect.
    o.insert(QStringLiteral("update-partition-type"), true);
    return call(blockPath, UdisksObjects::blockInterface, "Format", {type, o},
                patience(formatTimeout));
}

UdisksClient::Reply UdisksClient::powerOff(const QString& drivePath) const {
    return call(drivePath, UdisksObjects::driveInterface, "PowerOff", {options()},
                patience(mountTimeout));
}

UdisksClient::Reply UdisksClient::deleteLoop(const QString& blockPath) const {
    return call(blockPath, UdisksObjects::loopInterface, "Delete", {options()},
                patience(mountTimeout));
}

} // namespace stowly
