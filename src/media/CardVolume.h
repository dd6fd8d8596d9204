#pragma once

#include <QHashFunctions>
#include <QString>

#include <optional>

namespace stowly {

// A mounted card or drive.
struct CardVolume {
    QString url; // mount point path
    QString name;
    std::optional<QString> uuid;

    // The mount path: what selects a card and matches it when it is mounted again.
    const QString& id() const { return url; }
    // The UUID, else the name: the first field of every history key of this card.
    QString volumeIdentity() const { return uuid.value_or(name); }

    friend bool operator==(const CardVolume&, const CardVolume&) = default;
};

inline size_t qHash(const CardVolume& card, size_t seed = 0) {
    return qHashMulti(seed, card.url, card.name, card.uuid.value_or(QString()), bool(card.uuid));
}

} // namespace stowly
