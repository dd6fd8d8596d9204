#pragma once

#include "app/prompts/ImportPromptPolicy.h"
#include "devices/MountDebouncer.h"
#include "media/CameraMedia.h"
#include "media/CardVolume.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

namespace stowly {

class AppSettings;
class DestinationStore;
class ImportPromptPresenter;
class ImportPrompterHost;
class VolumeFacts;

// Decides whether a newly mounted card gets an import prompt, rate-limits prompts per card,
// holds them back while an offload or erase runs, and carries the answer back.
// Lives on the main thread.
class ImportPrompter : public QObject {
    Q_OBJECT
public:
    enum class Choice { importCard, ignore, dontAsk };

    // The notification's fixed parts, shared with the desktop presenter.
    static QString notificationCategory() { return QStringLiteral("StowlyCardConnected"); }
    static QString importAction() { return QStringLiteral("import"); }
    static QString ignoreAction() { return QStringLiteral("ignore"); }
    static QString dontAskAction() { return QStringLiteral("dontAsk"); }
    // The action of clicking the notification itself.
    static QString defaultAction() { return QStringLiteral("default"); }
    static QString cardPathKey() { return QStringLiteral("cardPath"); }
    static QString question() { return QStringLiteral("Import with Stowly?"); }
    static QString choiceTitle(Choice choice, bool inPanel);

    // Whether and how to ask comes from the settings; a card that holds a destination, current
    // or favourite, is not asked about. All three must outlive the prompter.
    ImportPrompter(bool usesNotifications, AppSettings& settings,
                   const DestinationStore& destinations, const VolumeFacts& facts,
                   QObject* parent = nullptr);

    // The host is held weakly: it is gone once lifetime is destroyed (or set to null).
    void setHost(ImportPrompterHost* host, QObject* lifetime = nullptr);
    void setPresenter(ImportPromptPresenter* presenter) { m_presenter = presenter; }

    // When set, replaces all presentation.
    std::function<void(const CardVolume&)> presentOverride;
    // Lists folders for the camera-media look at a card.
    CameraMedia::Lister cameraMediaLister = CameraMedia::diskList;

    bool usesNotifications() const { return m_usesNotifications; }
    bool isPaused() const { return m_paused; }
    void setPaused(bool paused);
    const QList<CardVolume>& queued() const { return m_queued; }
    MountDebouncer& debouncer() { return m_debouncer; }

    // A card was just mounted. force skips the rate limit. completion (when the decision was
    // made) receives whether a prompt was presented or queued.
    void cardMounted(const CardVolume& card, bool force, std::function<void(bool)> completion = {});
    // Applies a verdict; true when a prompt was presented or queued.
    bool promptIfAllowed(const ImportPromptPolicy::Verdict& verdict, bool force,
                         const CardVolume& card);
    void cardRemoved(const CardVolume& card);
    // An offload or erase finished: shows the prompts held back meanwhile.
    void offloadEnded();
    void handle(const QString& cardPath, Choice choice);
    // A notification response: "import" or the default action imports, "dontAsk" stops
    // asking, anything else (ignore, dismissal) does nothing.
    void handleNotificationAction(const QString& cardPath, const QString& actionIdentifier);

    // "EOS_DIGITAL card connected", "Field SSD connected".
    QString title(const CardVolume& card) const;

Q_SIGNALS:
    void pausedChanged();
    void queuedChanged();

private:
    ImportPrompterHost* host() const;
    bool hostAllowsPrompts() const;
    void present(const CardVolume& card);
    void applyDecision(const CardVolume& card, const ImportPromptPolicy::Verdict& verdict,
                       bool cameraMedia, bool force, const std::function<void(bool)>& completion);

    AppSettings& m_settings;
    const DestinationStore& m_destinations;
    const VolumeFacts& m_facts;
    bool m_usesNotifications;
    bool m_paused = false;
    QList<CardVolume> m_queued;
    MountDebouncer m_debouncer;
    QHash<QString, QString> m_kinds;
    ImportPrompterHost* m_host = nullptr;
    QPointer<QObject> m_hostLifetime;
    bool m_hostTracksLifetime = false;
    ImportPromptPresenter* m_presenter = nullptr;
};

} // namespace stowly
