#pragma once

#include "app/prompts/ImportPromptPresenter.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QPointer>

namespace stowly {

class ImportPanel;
class ImportPrompter;

// Import prompts on the Linux desktop: a freedesktop notification with the three actions where
// the notification server offers actions, the floating panel everywhere else. On Wayland a
// window cannot place itself, so there is no panel there: without action buttons the window
// comes forward showing the card instead.
class DesktopPromptPresenter : public QObject, public ImportPromptPresenter {
    Q_OBJECT
public:
    // bus is the session bus the notification server listens on.
    // panelsPlaceThemselves: the window system lets a floating panel choose where it goes
    // (X11), as it does not on Wayland.
    DesktopPromptPresenter(ImportPrompter& prompter, QDBusConnection bus, QObject* parent = nullptr,
                           bool panelsPlaceThemselves = windowsPlaceThemselves());
    static bool windowsPlaceThemselves();
    ~DesktopPromptPresenter() override;

    void showNotification(const CardVolume& card, const QString& title) override;
    void showPanel(const CardVolume& card, const QString& title) override;
    void closePanel(const QString& cardPath) override;
    void removeNotification(const QString& cardPath) override;

    // The open panels, in the order they were shown.
    QList<ImportPanel*> panels() const;

private Q_SLOTS:
    void actionInvoked(uint id, const QString& action);
    // The token the server hands out with a click, which lets the window come to the front on
    // Wayland.
    void activationToken(uint id, const QString& token);
    void notificationClosed(uint id, uint reason);

private:
    // Whether the server answers and offers action buttons.
    bool serverOffersActions();
    void place();

    ImportPrompter& m_prompter;
    QDBusConnection m_bus;
    bool m_panelsPlaceThemselves;
    QHash<QString, uint> m_notifications; // card path → notification id
    QHash<uint, QString> m_tokens;        // notification id → activation token
    QList<std::pair<QString, QPointer<ImportPanel>>> m_panels;
};

} // namespace stowly
