#include "ui/DesktopPromptPresenter.h"

#include "app/prompts/ImportPrompter.h"
#include "base/Log.h"
#include "ui/ImportPanel.h"

#include <QDBusMessage>
#include <QDBusReply>
#include <QGuiApplication>
#include <QScreen>

namespace stowly {
namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");

void log(const QString& message) {
    Log::info(Log::Category::app, message);
}

QDBusMessage call(const QString& method) {
    return QDBusMessage::createMethodCall(service, path, service, method);
}

} // namespace

bool DesktopPromptPresenter::windowsPlaceThemselves() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

DesktopPromptPresenter::DesktopPromptPresenter(ImportPrompter& prompter, QDBusConnection bus,
                                               QObject* parent, bool panelsPlaceThemselves)
    : QObject(parent), m_prompter(prompter), m_bus(std::move(bus)),
      m_panelsPlaceThemselves(panelsPlaceThemselves) {
    m_bus.connect(service, path, service, QStringLiteral("ActionInvoked"), this,
                  SLOT(actionInvoked(uint, QString)));
    m_bus.connect(service, path, service, QStringLiteral("ActivationToken"), this,
                  SLOT(activationToken(uint, QString)));
    m_bus.connect(service, path, service, QStringLiteral("NotificationClosed"), this,
                  SLOT(notificationClosed(uint, uint)));
    m_prompter.setPresenter(this);
}

DesktopPromptPresenter::~DesktopPromptPresenter() {
    m_prompter.setPresenter(nullptr);
    for (const auto& [cardPath, panel] : m_panels)
        delete panel.data();
}

bool DesktopPromptPresenter::serverOffersActions() {
    if (!m_bus.isConnected())
        return false;
    const QDBusMessage answer =
        m_bus.call(call(QStringLiteral("GetCapabilities")), QDBus::Block, 2000);
    return answer.type() == QDBusMessage::ReplyMessage && !answer.arguments().isEmpty() &&
           answer.arguments().first().toStringList().contains(QStringLiteral("actions"));
}

void DesktopPromptPresenter::showNotification(const CardVolume& card, const QString& title) {
    if (!serverOffersActions()) {
        log(QStringLiteral("The desktop shows no notifications with buttons: showing the panel"));
        showPanel(card, title);
        return;
    }
    using Choice = ImportPrompter::Choice;
    const QStringList actions = {
        ImportPrompter::defaultAction(), ImportPrompter::choiceTitle(Choice::importCard, false),
        ImportPrompter::importAction(),  ImportPrompter::choiceTitle(Choice::importCard, false),
        ImportPrompter::ignoreAction(),  ImportPrompter::choiceTitle(Choice::ignore, false),
        ImportPrompter::dontAskAction(), ImportPrompter::choiceTitle(Choice::dontAsk, false),
    };
    const QVariantMap hints = {
        {QStringLiteral("desktop-entry"), QStringLiteral("app.stowly.Stowly")},
        {QStringLiteral("category"), QStringLiteral("device.added")},
        {QStringLiteral("sound-name"), QStringLiteral("device-added-media")},
    };
    QDBusMessage message = call(QStringLiteral("Notify"));
    // A later prompt for the same card replaces the earlier one.
    message.setArguments({QStringLiteral("Stowly"), m_notifications.value(card.url, 0u),
                          QStringLiteral("app.stowly.Stowly"), title, ImportPrompter::question(),
                          actions, hints, -1});
    const QDBusMessage answer = m_bus.call(message, QDBus::Block, 5000);
    if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty()) {
        log(QStringLiteral("Posting the notification failed (") + answer.errorMessage() +
            QStringLiteral("): showing the panel"));
        showPanel(card, title);
        return;
    }
    m_notifications.insert(card.url, answer.arguments().first().toUInt());
    log(QStringLiteral("Posted the notification “") + title + u'”');
}

void DesktopPromptPresenter::activationToken(uint id, const QString& token) {
    if (m_notifications.values().contains(id))
        m_tokens.insert(id, token);
}

void DesktopPromptPresenter::actionInvoked(uint id, const QString& action) {
    const QString cardPath = m_notifications.key(id);
    const QString token = m_tokens.take(id);
    if (cardPath.isEmpty())
        return; // another program's notification
    m_notifications.remove(cardPath);
    // Qt's Wayland window takes the token from here when it asks to be activated; a window
    // without one stays behind the one the user was in.
    if (!token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    m_prompter.handleNotificationAction(cardPath, action);
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

void DesktopPromptPresenter::notificationClosed(uint id, uint) {
    const QString cardPath = m_notifications.key(id);
    if (!cardPath.isEmpty())
        m_notifications.remove(cardPath);
}

void DesktopPromptPresenter::removeNotification(const QString& cardPath) {
    const auto it = m_notifications.constFind(cardPath);
    if (it == m_notifications.cend())
        return;
    QDBusMessage message = call(QStringLiteral("CloseNotification"));
    message.setArguments({*it});
    m_bus.call(message, QDBus::NoBlock);
    m_notifications.erase(it);
}

void DesktopPromptPresenter::showPanel(const CardVolume& card, const QString& title) {
    if (!m_panelsPlaceThemselves) {
        // A panel would land wherever the compositor puts it, over somebody's work.
        if (serverOffersActions()) {
            showNotification(card, title);
            return;
        }
        log(QStringLiteral("No floating panels here and no notifications with buttons: "
                           "showing the card in the window"));
        m_prompter.handle(card.url, ImportPrompter::Choice::importCard);
        return;
    }
    closePanel(card.url);
    auto* panel = new ImportPanel(title, [this, cardPath = card.url](ImportPrompter::Choice c) {
        m_prompter.handle(cardPath, c);
    });
    m_panels.append({card.url, panel});
    place();
    panel->show();
    log(QStringLiteral("Showed the import panel for ") + card.url);
}

void DesktopPromptPresenter::closePanel(const QString& cardPath) {
    for (qsizetype i = 0; i < m_panels.size(); ++i)
        if (m_panels[i].first == cardPath) {
            if (ImportPanel* panel = m_panels[i].second)
                panel->close();
            m_panels.removeAt(i);
            place();
            return;
        }
}

QList<ImportPanel*> DesktopPromptPresenter::panels() const {
    QList<ImportPanel*> list;
    for (const auto& [cardPath, panel] : m_panels)
        if (panel)
            list.append(panel);
    return list;
}

void DesktopPromptPresenter::place() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QList<ImportPanel*> open = panels();
    for (qsizetype i = 0; i < open.size(); ++i)
        open[i]->move(ImportPanel::placement(screen->availableGeometry(), int(i)));
}

} // namespace stowly
