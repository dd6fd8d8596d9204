#include "devices/VolumeWatcher.h"

#include "base/Log.h"
#include "devices/MountEvents.h"
#include "devices/VolumeFacts.h"
#include "devices/VolumePaths.h"

namespace stowly {

VolumeWatcher::VolumeWatcher(const VolumeFacts& facts, MountEvents& events, QObject* parent)
    : QObject(parent), m_facts(facts), m_events(events) {}

void VolumeWatcher::start() {
    if (m_started)
        return;
    m_started = true;
    connect(&m_events, &MountEvents::volumeMounted, this, [this](const QString& path) {
        Log::info(Log::Category::importPrompt, QStringLiteral("Mounted: ") + path);
        volumeMounted(path, true);
    });
    connect(&m_events, &MountEvents::volumeUnmounted, this,
            [this](const QString& path) { volumeUnmounted(path); });
    connect(&m_events, &MountEvents::mountsChanged, this, &VolumeWatcher::mountsChanged);
    // Watch before listing, so that a volume mounted in between is reported rather than lost;
    // a volume seen both ways is listed once.
    m_events.start();
    for (const QString& path : m_facts.mountedVolumes())
        volumeMounted(path, false);
}

void VolumeWatcher::volumeMounted(const QString& path, bool isNewMount) {
    const std::optional<CardVolume> card = makeCard(path);
    if (!card) {
        if (isNewMount)
            Log::info(Log::Category::importPrompt, QStringLiteral("Not a card or drive: ") + path);
        return;
    }
    if (isListed(card->url)) {
        Log::info(Log::Category::importPrompt, QStringLiteral("Already listed: ") + path);
        return;
    }
    m_cards.append(*card);
    Q_EMIT cardsChanged();
    Q_EMIT cardInserted(*card, isNewMount);
}

void VolumeWatcher::volumeUnmounted(const QString& path) {
    QList<CardVolume> removed;
    for (qsizetype i = 0; i < m_cards.size();) {
        if (m_cards[i].url == path)
            removed.append(m_cards.takeAt(i));
        else
            ++i;
    }
    if (removed.isEmpty())
        return;
    Q_EMIT cardsChanged();
    for (const CardVolume& card : removed)
        Q_EMIT cardRemoved(card);
}

void VolumeWatcher::refresh() {
    bool changed = false;
    const std::optional<QString> destination =
        destinationPathProvider ? destinationPathProvider() : std::nullopt;
    if (destination) {
        changed = m_cards.removeIf([&](const CardVolume& card) {
            return VolumePaths::isOnVolume(*destination, card.url);
        }) > 0;
    }
    for (const QString& path : m_facts.mountedVolumes()) {
        if (isListed(path))
            continue;
        if (const std::optional<CardVolume> card = makeCard(path)) {
            m_cards.append(*card);
            changed = true;
        }
    }
    if (changed)
        Q_EMIT cardsChanged();
}

std::optional<CardVolume> VolumeWatcher::makeCard(const QString& path) const {
    const VolumeResources r = m_facts.resources(path).value_or(VolumeResources{});
    if (!VolumePaths::isUnderMountRoots(path) || r.isRootFileSystem.value_or(false))
        return std::nullopt;
    if (!r.isRemovable.value_or(false) && !r.isEjectable.value_or(false))
        return std::nullopt;
    if (destinationPathProvider)
        if (const std::optional<QString> destination = destinationPathProvider())
            if (VolumePaths::isOnVolume(*destination, path))
                return std::nullopt;
    CardVolume card;
    card.url = path;
    card.name = r.name && !r.name->isEmpty()
                    ? *r.name
                    : path.section(u'/', -1, -1, QString::SectionSkipEmpty);
    card.uuid = r.uuid;
    return card;
}

bool VolumeWatcher::isListed(const QString& path) const {
    for (const CardVolume& card : m_cards)
        if (card.url == path)
            return true;
    return false;
}

} // namespace stowly
