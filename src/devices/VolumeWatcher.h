#pragma once

#include "media/CardVolume.h"

#include <QList>
#include <QObject>

#include <functional>
#include <optional>

namespace stowly {

class MountEvents;
class VolumeFacts;

// The live list of mounted cards and drives the program may offload from.
class VolumeWatcher : public QObject {
    Q_OBJECT
public:
    // Both sources must outlive the watcher.
    VolumeWatcher(const VolumeFacts& facts, MountEvents& events, QObject* parent = nullptr);

    const QList<CardVolume>& cards() const { return m_cards; }

    std::function<std::optional<QString>()> destinationPathProvider;

    // Begins watching and reports the volumes already mounted (isNewMount false). A second
    // call does nothing.
    void start();
    bool isStarted() const { return m_started; }

    void volumeMounted(const QString& path, bool isNewMount);
    void volumeUnmounted(const QString& path);
    // Re-applies the destination rule after the destination changed.
    void refresh();
    // A card for the volume mounted at path, or none when it is not one.
    std::optional<CardVolume> makeCard(const QString& path) const;

Q_SIGNALS:
    void cardsChanged();
    // After the list changed: a card appeared (isNewMount false for those already mounted at
    // the start) or went away.
    void cardInserted(const stowly::CardVolume& card, bool isNewMount);
    void cardRemoved(const stowly::CardVolume& card);
    // Anything in the mount table changed; for stores that re-check which folders exist.
    void mountsChanged();

private:
    bool isListed(const QString& path) const;

    const VolumeFacts& m_facts;
    MountEvents& m_events;
    QList<CardVolume> m_cards;
    bool m_started = false;
};

} // namespace stowly
