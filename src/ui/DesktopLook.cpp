#include "ui/DesktopLook.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace stowly {
namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearanceNamespace = QStringLiteral("org.freedesktop.appearance");

// The portal wraps its answer in variants, sometimes twice.
QVariant unwrap(QVariant value) {
    while (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}

} // namespace

DesktopLook::DesktopLook(bool watchPortal, QObject* parent) : QObject(parent) {
    const QString gtkTheme = qEnvironmentVariable("GTK_THEME");
    m_environmentContrast = gtkTheme.contains(QStringLiteral("HighContrast"), Qt::CaseInsensitive);
    if (!watchPortal)
        return;
    auto bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(portalService, portalPath, settingsInterface, QStringLiteral("SettingChanged"),
                this, SLOT(portalSettingChanged(QString, QString, QDBusVariant)));
    read(QStringLiteral("color-scheme"));
    read(QStringLiteral("contrast"));
}

void DesktopLook::read(const QString& key) {
    auto message = QDBusMessage::createMethodCall(portalService, portalPath, settingsInterface,
                                                  QStringLiteral("Read"));
    message << appearanceNamespace << key;
    // Asked without waiting: a slow or missing portal must not hold up the window.
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(message, 2000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, key, watcher] {
        QDBusPendingReply<QVariant> reply = *watcher;
        if (!reply.isError())
            applyPortalValue(key, reply.value());
        watcher->deleteLater();
    });
}

void DesktopLook::portalSettingChanged(const QString& nameSpace, const QString& key,
                                       const QDBusVariant& value) {
    if (nameSpace == appearanceNamespace)
        applyPortalValue(key, value.variant());
}

void DesktopLook::applyPortalValue(const QString& key, const QVariant& value) {
    bool ok = false;
    const uint number = unwrap(value).toUInt(&ok);
    if (!ok)
        return;
    if (key == u"color-scheme") {
        const std::optional<bool> dark = number == 1   ? std::optional(true)
                                         : number == 2 ? std::optional(false)
                                                       : std::nullopt;
        if (dark == m_prefersDark)
            return;
        m_prefersDark = dark;
    } else if (key == u"contrast") {
        if ((number == 1) == m_portalContrast)
            return;
        m_portalContrast = number == 1;
    } else {
        return;
    }
    Q_EMIT changed();
}

} // namespace stowly
