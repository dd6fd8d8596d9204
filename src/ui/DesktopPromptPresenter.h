#pragma once

#include "app/ImportPromptPresenter.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QPointer>

namespace stowly {

class ImportPanel;
class ImportPrompter;

// Import prompts on the Linux desktop: a freedesktop notification with the three actions where
// the notification server offers actions, the floating panel everywhere else.
class DesktopPromptPresenter : public QObject, public ImportPromptPresenter {
    Q_OBJECT
public:
    // bus is the session bus the notification server listens on.
    DesktopPromptPresenter(ImportPrompter& prompter, QDBusConnection bus,
                           QObject* parent = nullptr);
    ~DesktopPromptPresenter() override;

    void showNotification(const CardVolume& card, const QString& title) override;
    void showPanel(const CardVolume& card, const QString& title) override;
    void closePanel(const QString& cardPath) override;
    void removeNotification(const QString& cardPath) override;

    // The open panels, in the order they were shown.
    QList<ImportPanel*> panels() const;

private Q_SLOTS:
    void actionInvoked(uint id, const QString& action);
    void notificationClosed(uint id, uint reason);

private:
    // Whether the server answers and offers action buttons.
    bool serverOffersActions();
    void place();

    ImportPrompter& m_prompter;
    QDBusConnection m_bus;
    QHash<QString, uint> m_notifications; // card path → notification id
    QList<std::pair<QString, QPointer<ImportPanel>>> m_panels;
};

} // namespace stowly
