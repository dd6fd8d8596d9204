#pragma once

#include "media/Clip.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

namespace stowly {

// The short clips left on the card, with the sidecars skipped along with them.
struct ShortClipSkip {
    QList<Clip> clips;
    // Ids (relative paths) of the short clips and of their skipped sidecars.
    QSet<QString> ids;
    // Short clip id → number of its sidecars skipped with it.
    QHash<QString, int> sidecarCounts;

    bool isEmpty() const { return clips.isEmpty() && ids.isEmpty(); }

    friend bool operator==(const ShortClipSkip&, const ShortClipSkip&) = default;
};

} // namespace stowly
