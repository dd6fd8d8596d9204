#pragma once

#include "support/TestSupport.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QString>
#include <QVariantList>

#include <memory>

namespace stowly::test {

// A session bus of the test's own (a real dbus-daemon) with python3-dbusmock stand-ins for
// desktop services on it: its templates (notification daemon, logind) or bare objects whose
// methods the test adds. Everything it started stops with the object, or with this process.
class PrivateSessionBus {
public:
    // Nothing, with the reason in whyNot, where dbus-daemon or python3-dbusmock is missing.
    static std::unique_ptr<PrivateSessionBus> start(QString* whyNot);
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    QString address() const { return m_address; }
    QDBusConnection connection() const;

    // A dbusmock template, which serves `service`; parameters are its JSON.
    bool startTemplate(const QString& name, const QString& service, const QString& parameters = {});
    // A bare object with no methods yet (add them with mock("AddMethod", …)).
    bool startObject(const QString& service, const QString& path, const QString& interface);

    // A call of the org.freedesktop.DBus.Mock interface of the object at service and path.
    QDBusMessage mock(const QString& service, const QString& path, const QString& method,
                      const QVariantList& arguments);
    // The arguments of every call of method on that object so far.
    QList<QVariantList> calls(const QString& service, const QString& path, const QString& method);

private:
    PrivateSessionBus() = default;
    bool startMock(const QStringList& arguments, const QString& service);

    TempDir m_dir;
    QProcess m_bus;
    std::list<std::unique_ptr<QProcess>> m_mocks;
    QString m_address;
    QString m_connectionName;
};

} // namespace stowly::test
