#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>

#include <memory>

namespace stowly::test {

// A real udisksd of the test's own, on a system bus of its own with a polkit stand-in, so
// tests can erase and eject through udisks without touching the machine's bus. Everything it
// started stops when the object goes, or with this process if it dies. Only one exists on the
// machine at a time: a second one waits for the first to go.
class PrivateUdisks {
public:
    // Nothing, with the reason in `whyNot`, where this machine cannot run one.
    static std::unique_ptr<PrivateUdisks> start(QString* whyNot);
    ~PrivateUdisks();
    PrivateUdisks(const PrivateUdisks&) = delete;
    PrivateUdisks& operator=(const PrivateUdisks&) = delete;

    // The bus's address, "unix:path=…".
    QString address() const { return m_address; }
    // A connection of this object's own to the bus.
    QDBusConnection connection() const;
    // This process's environment with the system bus pointed at the private one.
    QProcessEnvironment environment() const;

    // What the polkit stand-in answers from now on.
    bool allowAll();
    bool allowNone();

    // Waits for udev to settle, then until udisks lists devicePath as a block device with
    // media in it.
    bool waitForBlock(const QString& devicePath, int timeoutMs);
    // The org.freedesktop.UDisks2.Block properties udisks lists for devicePath; empty when
    // it lists no such device.
    QVariantMap block(const QString& devicePath) const;

    // What udisksd printed so far.
    QString daemonOutput() const;

private:
    PrivateUdisks() = default;
    bool setPolicy(bool allowUnknown);
    bool startChild(QProcess& process, const QString& program, const QStringList& arguments,
                    QString* whyNot);
    void stop(QProcess& process);

    QTemporaryDir m_dir;
    QString m_address;
    QString m_connectionName;
    int m_lock = -1;
    bool m_removeState = false;
    QProcess m_bus;
    QProcess m_udevd;
    QProcess m_polkit;
    QProcess m_udisks;
};

} // namespace stowly::test
