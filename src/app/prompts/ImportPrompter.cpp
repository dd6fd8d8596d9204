#include "app/prompts/ImportPrompter.h"

#include "app/prompts/ImportPromptPresenter.h"
#include "app/prompts/ImportPrompterHost.h"
#include "app/settings/AppSettings.h"
#include "app/stores/DestinationStore.h"
#include "base/Background.h"
#include "base/Log.h"
#include "devices/VolumeFacts.h"
#include "devices/VolumeTraits.h"

namespace stowly {
namespace {

QString flag(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

void log(const QString& message) {
    Log::info(Log::Category::importPrompt, message);
}

// A card still mounted as the one that was queued: same path, same UUID.
bool isSameMount(const CardVolume& a, const CardVolume& b) {
    return a.url == b.url && a.uuid == b.uuid;
}

} // namespace

ImportPrompter::ImportPrompter(bool usesNotifications, AppSettings& settings,
                               const DestinationStore& destinations, const VolumeFacts& facts,
                               QObject* parent)
    : QObject(parent), m_settings(settings), m_destinations(destinations), m_facts(facts),
      m_usesNotifications(usesNotifications) {
    m_debouncer.interval = std::chrono::duration<double>(20.0);
}

QString ImportPrompter::choiceTitle(Choice choice, bool inPanel) {
    switch (choice) {
    case Choice::importCard:
        return tr("Import");
    case Choice::ignore:
        return tr("Ignore");
    case Choice::dontAsk:
        return inPanel ? tr("Don’t ask for this card") : tr("Don’t Ask for This Card");
    }
    return {};
}

void ImportPrompter::setHost(ImportPrompterHost* host, QObject* lifetime) {
    m_host = host;
    m_hostLifetime = lifetime;
    m_hostTracksLifetime = lifetime != nullptr;
}

ImportPrompterHost* ImportPrompter::host() const {
    if (m_hostTracksLifetime && !m_hostLifetime)
        return nullptr;
    return m_host;
}

bool ImportPrompter::hostAllowsPrompts() const {
    return host() && m_settings.value(setting::askToImportOnMount) && !m_paused;
}

void ImportPrompter::setPaused(bool paused) {
    if (m_paused == paused)
        return;
    m_paused = paused;
    Q_EMIT pausedChanged();
}

void ImportPrompter::cardMounted(const CardVolume& card, bool force,
                                 std::function<void(bool)> completion) {
    const bool ask = host() && m_settings.value(setting::askToImportOnMount);
    if (!ask || m_paused) {
        log(QStringLiteral("No prompt for ") + card.url + QStringLiteral(": askToImport ") +
            flag(ask) + QStringLiteral(", paused ") + flag(m_paused));
        return;
    }
    QStringList destinations;
    if (const std::optional<QString> current = m_settings.value(setting::destinationPath))
        destinations.append(*current);
    for (const FavoriteDestination& favorite : m_destinations.favorites())
        destinations.append(favorite.path);
    const QSet<QString> ignored = m_settings.ignoredImportIdentities();

    // The volume facts and the listing may block on a slow device: off the main thread.
    const VolumeFacts* facts = &m_facts;
    const CameraMedia::Lister lister = cameraMediaLister;
    background::run(
        this,
        [=] {
            const VolumeTraits traits = VolumeTraits::read(card.url, *facts);
            const bool cameraMedia = CameraMedia::looksLikeCameraMedia(card.url, lister);
            const ImportPromptPolicy::Verdict verdict = ImportPromptPolicy::verdict(
                traits, card.volumeIdentity(), destinations, ignored, cameraMedia);
            log(QStringLiteral("Read ") + card.url + QStringLiteral(": ") +
                traits.logDescription() + QStringLiteral(", camera media ") + flag(cameraMedia) +
                QStringLiteral(", verdict ") + verdict.text());
            return std::pair(verdict, cameraMedia);
        },
        [this, card, force, completion = std::move(completion)](const auto& decision) {
            applyDecision(card, decision.first, decision.second, force, completion);
        });
}

void ImportPrompter::applyDecision(const CardVolume& card,
                                   const ImportPromptPolicy::Verdict& verdict, bool cameraMedia,
                                   bool force, const std::function<void(bool)>& completion) {
    m_kinds.insert(card.url, cameraMedia ? QStringLiteral("card") : QStringLiteral("drive"));
    const bool prompted = promptIfAllowed(verdict, force, card);
    if (completion)
        completion(prompted);
}

bool ImportPrompter::promptIfAllowed(const ImportPromptPolicy::Verdict& verdict, bool force,
                                     const CardVolume& card) {
    if (!verdict.isPrompt() || !hostAllowsPrompts()) {
        log(QStringLiteral("No prompt for ") + card.url + QStringLiteral(": verdict ") +
            verdict.text() + QStringLiteral(", paused ") + flag(m_paused));
        return false;
    }
    ImportPrompterHost* h = host();
    const QList<CardVolume> mounted = h->mountedCards();
    if (std::none_of(mounted.cbegin(), mounted.cend(),
                     [&](const CardVolume& c) { return c.url == card.url; })) {
        log(QStringLiteral("No prompt for ") + card.url +
            QStringLiteral(": it was removed meanwhile"));
        return false;
    }
    if (!force && !m_debouncer.shouldPrompt(card.volumeIdentity())) {
        log(QStringLiteral("No prompt for ") + card.url +
            QStringLiteral(": asked about it moments ago (debounce)"));
        return false;
    }
    if (!h->isBusy() && !h->isFormatting()) {
        present(card);
        return true;
    }
    log(QStringLiteral("Queued the prompt for ") + card.url +
        QStringLiteral(" until the offload or format finishes"));
    if (!m_queued.contains(card)) {
        m_queued.append(card);
        Q_EMIT queuedChanged();
    }
    return true;
}

void ImportPrompter::present(const CardVolume& card) {
    if (presentOverride) {
        presentOverride(card);
        return;
    }
    if (!m_presenter)
        return;
    const bool panel = !m_usesNotifications ||
                       m_settings.value(setting::importPromptStyle) == ImportPromptStyle::panel;
    if (panel)
        m_presenter->showPanel(card, title(card));
    else
        m_presenter->showNotification(card, title(card));
}

void ImportPrompter::cardRemoved(const CardVolume& card) {
    if (m_queued.removeAll(card) > 0)
        Q_EMIT queuedChanged();
    m_kinds.remove(card.url);
    if (m_presenter) {
        m_presenter->closePanel(card.url);
        if (m_usesNotifications)
            m_presenter->removeNotification(card.url);
    }
}

void ImportPrompter::offloadEnded() {
    const QList<CardVolume> taken = std::exchange(m_queued, {});
    if (!taken.isEmpty())
        Q_EMIT queuedChanged();
    if (!hostAllowsPrompts())
        return;
    for (const CardVolume& card : taken) {
        // The host may have gone or changed its mind while an earlier prompt was shown.
        ImportPrompterHost* h = host();
        if (!h)
            return;
        const QList<CardVolume> mounted = h->mountedCards();
        if (std::any_of(mounted.cbegin(), mounted.cend(),
                        [&](const CardVolume& c) { return isSameMount(c, card); }))
            present(card);
    }
}

void ImportPrompter::handle(const QString& cardPath, Choice choice) {
    if (m_presenter)
        m_presenter->closePanel(cardPath);
    ImportPrompterHost* h = host();
    if (!h)
        return;
    const QList<CardVolume> mounted = h->mountedCards();
    const auto card = std::find_if(mounted.cbegin(), mounted.cend(),
                                   [&](const CardVolume& c) { return c.url == cardPath; });
    if (card == mounted.cend())
        return;
    switch (choice) {
    case Choice::importCard:
        h->showForImport(*card);
        break;
    case Choice::ignore:
        break;
    case Choice::dontAsk:
        m_settings.ignoreImports(*card);
        break;
    }
}

void ImportPrompter::handleNotificationAction(const QString& cardPath,
                                              const QString& actionIdentifier) {
    if (actionIdentifier == importAction() || actionIdentifier == defaultAction())
        handle(cardPath, Choice::importCard);
    else if (actionIdentifier == dontAskAction())
        handle(cardPath, Choice::dontAsk);
}

QString ImportPrompter::title(const CardVolume& card) const {
    const QString kind = m_kinds.value(card.url, QStringLiteral("card"));
    const QString name = card.name.trimmed();
    const QString lower = name.toLower();
    for (const char* word : {"card", "drive", "ssd", "disk"}) {
        const QString w = QLatin1String(word);
        if (lower == w || lower.endsWith(u' ' + w))
            return name + QStringLiteral(" connected");
    }
    return name + u' ' + kind + QStringLiteral(" connected");
}

} // namespace stowly
