#pragma once

#include "devices/SleepInhibitor.h"

#include <QDBusConnection>

namespace stowly {

// systemd-logind's inhibitor locks ("sleep:idle:shutdown", mode "block"): a hold is the file
// descriptor logind hands out, and closing it ends the lock, also when the process dies.
class LogindInhibitor : public SleepInhibitor {
public:
    explicit LogindInhibitor(QDBusConnection bus = QDBusConnection::systemBus());

    std::unique_ptr<Hold> hold(const QString& why) override;

private:
    QDBusConnection m_bus;
};

} // namespace stowly
