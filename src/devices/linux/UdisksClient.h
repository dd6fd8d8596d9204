#pragma once

#include "devices/linux/UdisksObjects.h"

#include <QDBusConnection>
#include <QString>

#include <chrono>
#include <optional>

namespace stowly {

// udisks2's D-Bus interface, called synchronously: use it from worker threads. Every call that
// changes a device says whether polkit may ask the user for a password.
class UdisksClient {
public:
    static constexpr auto service = "org.freedesktop.UDisks2";

    struct Reply {
        // The D-Bus error's name; none when the call succeeded.
        std::optional<QString> error;
        // The error's message, or the call's answer (a mount point).
        QString text;

        bool succeeded() const { return !error; }
        // polkit (or the bus) said no, or the user dismissed the password prompt.
        bool isRefusal() const;
    };

    explicit UdisksClient(QDBusConnection connection, bool allowInteraction);

    // Whether udisks2 runs, or would be started, on the connection's bus.
    static bool isAvailable(QDBusConnection connection);
    // Whether this process reaches disks through udisks2 on the system bus: asked once, the
    // answer logged and kept for the process's life, so every part agrees.
    static bool servesThisProcess();

    QDBusConnection connection() const { return m_connection; }
    bool allowsInteraction() const { return m_allowInteraction; }

    // None when udisks2 does not answer.
    std::optional<UdisksObjects> objects() const;
    Reply unmount(const QString& blockPath) const;
    // Mounts where udisks2 mounts for this user; the reply's text is the mount point.
    Reply mount(const QString& blockPath) const;
    Reply format(const QString& blockPath, const QString& type, const QString& label) const;
    Reply powerOff(const QString& drivePath) const;
    Reply deleteLoop(const QString& blockPath) const;

private:
    Reply call(const QString& objectPath, const char* interface, const char* method,
               QVariantList arguments, std::chrono::milliseconds timeout) const;
    QVariantMap options() const;
    // Long enough for a person to type a password when one may be asked for.
    std::chrono::milliseconds patience(std::chrono::milliseconds work) const;

    QDBusConnection m_connection;
    bool m_allowInteraction;
};

} // namespace stowly
