#include "ui/FileManager.h"

#include "base/Log.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace stowly {
namespace {

// Long enough for a file manager that D-Bus starts on demand.
constexpr int showTimeoutMs = 10000;

} // namespace

FileManager::FileManager(QDBusConnection bus) : m_bus(std::move(bus)) {}

void FileManager::openFolder(const QString& folder) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

void FileManager::showItem(const QString& path) const {
    const QString folder = QFileInfo(path).absolutePath();
    if (!m_bus.isConnected() || !QFileInfo::exists(path)) {
        openFolder(folder);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call.setArguments(
        {QStringList{QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)}, QString()});
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, showTimeoutMs));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [watcher, folder] {
        const QDBusPendingReply<> reply = *watcher;
        if (reply.isError()) {
            Log::info(Log::Category::app,
                      QStringLiteral("The file manager didn’t show the file (") +
                          reply.error().message() + QStringLiteral("); opening its folder"));
            openFolder(folder);
        }
        watcher->deleteLater();
    });
}

} // namespace stowly
