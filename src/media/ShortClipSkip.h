#pragma once

#include "media/Clip.h"
#include "media/FileRules.h"
#include "media/ShortClipRule.h"

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

    // The candidates (files that would otherwise be copied) that are short main video clips
    // with a known duration below the threshold, with their sidecars among the candidates.
    // `files` are all of the card's files, `durations` seconds by relative path.
    static ShortClipSkip find(const QList<Clip>& candidates, const QList<Clip>& files,
                              const QHash<QString, double>& durations, const ShortClipRule& rule,
                              const QSet<QString>& included, bool includeAll,
                              const FileRules& rules);
    // Whether a duration counts as short under the rule (finite, not negative, below it).
    static bool isShort(double seconds, const ShortClipRule& rule);

    friend bool operator==(const ShortClipSkip&, const ShortClipSkip&) = default;
};

} // namespace stowly
