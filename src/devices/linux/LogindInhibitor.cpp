#include "devices/linux/LogindInhibitor.h"

#include "base/Log.h"

#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>

namespace stowly {
namespace {

// logind answers at once; a bus that does not is no reason to hold up a copy.
constexpr int callTimeoutMs = 2000;

class FileDescriptorHold : public SleepInhibitor::Hold {
public:
    explicit FileDescriptorHold(QDBusUnixFileDescriptor lock) : m_lock(std::move(lock)) {}

private:
    // Its copy of the descriptor is closed with it, which ends the lock.
    QDBusUnixFileDescriptor m_lock;
};

} // namespace

std::shared_ptr<SleepInhibitor> SleepInhibitor::platform() {
    return std::make_shared<LogindInhibitor>();
}

LogindInhibitor::LogindInhibitor(QDBusConnection bus) : m_bus(std::move(bus)) {}

std::unique_ptr<SleepInhibitor::Hold> LogindInhibitor::hold(const QString& why) {
    if (!m_bus.isConnected()) {
        Log::info(Log::Category::app, QStringLiteral("No system bus: the computer may sleep "
                                                     "while Stowly works"));
        return nullptr;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call.setArguments({QStringLiteral("sleep:idle:shutdown"), QStringLiteral("Stowly"), why,
                       QStringLiteral("block")});
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, callTimeoutMs);
    const QDBusUnixFileDescriptor lock =
        reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
            ? reply.arguments().first().value<QDBusUnixFileDescriptor>()
            : QDBusUnixFileDescriptor();
    if (!lock.isValid()) {
        Log::info(Log::Category::app,
                  QStringLiteral("The computer may sleep while Stowly works: ") +
                      (reply.errorMessage().isEmpty() ? QStringLiteral("logind gave no lock")
                                                      : reply.errorMessage()));
        return nullptr;
    }
    return std::make_unique<FileDescriptorHold>(lock);
}

} // namespace stowly
