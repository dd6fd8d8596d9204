#include "ui/OffloadNotice.h"

#include "app/model/AppModel.h"
#include "app/model/OffloadFormatting.h"
#include "base/Log.h"

#include <QDBusMessage>

namespace stowly {

OffloadNotice::OffloadNotice(AppModel& model, QDBusConnection bus,
                             std::function<bool()> windowInFront, QObject* parent)
    : QObject(parent), m_bus(std::move(bus)), m_windowInFront(std::move(windowInFront)) {
    connect(&model, &AppModel::offloadEnded, this, &OffloadNotice::ended);
}

void OffloadNotice::ended(const CardVolume& card, const OffloadSummary& summary) {
    if (m_windowInFront() || !m_bus.isConnected())
        return;
    const QString service = QStringLiteral("org.freedesktop.Notifications");
    QDBusMessage message =
        QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/Notifications"),
                                       service, QStringLiteral("Notify"));
    const QVariantMap hints = {
        {QStringLiteral("desktop-entry"), QStringLiteral("app.stowly.Stowly")},
        {QStringLiteral("category"), summary.failed == 0 && !summary.cancelled
                                         ? QStringLiteral("transfer.complete")
                                         : QStringLiteral("transfer.error")},
    };
    message.setArguments({QStringLiteral("Stowly"), 0u, QStringLiteral("app.stowly.Stowly"),
                          tr("“%1”: %2").arg(card.name, OffloadFormatting::finishedTitle(summary)),
                          OffloadFormatting::summaryLine(summary), QStringList(), hints, -1});
    // Nobody waits for the answer: a desktop without notifications loses nothing but the note.
    m_bus.send(message);
    Log::info(Log::Category::app,
              QStringLiteral("Told the desktop that “") + card.name + QStringLiteral("” ended"));
}

} // namespace stowly
