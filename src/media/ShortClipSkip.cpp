#include "media/ShortClipSkip.h"

#include "media/ClipOrder.h"
#include "media/MediaCategory.h"
#include "media/SidecarMatcher.h"

#include <cmath>

namespace stowly {

bool ShortClipSkip::isShort(double seconds, const ShortClipRule& rule) {
    return std::isfinite(seconds) && seconds >= 0 && seconds < rule.threshold;
}

ShortClipSkip ShortClipSkip::find(const QList<Clip>& candidates, const QList<Clip>& files,
                                  const QHash<QString, double>& durations,
                                  const ShortClipRule& rule, const QSet<QString>& included,
                                  bool includeAll, const FileRules& rules) {
    ShortClipSkip skip;
    if (!rule.isEnabled || includeAll)
        return skip;
    for (const Clip& clip : candidates) {
        if (!mediaCategory::isVideoExtension(mediaCategory::extensionOf(clip.relativePath)))
            continue;
        if (rules.role(clip.fileName()) != FileRole::main || included.contains(clip.id()))
            continue;
        const auto duration = durations.constFind(clip.id());
        if (duration == durations.cend() || !isShort(*duration, rule))
            continue;
        skip.clips.append(clip);
        skip.ids.insert(clip.id());
    }
    if (skip.clips.isEmpty())
        return skip;

    QSet<QString> candidateIDs;
    for (const Clip& c : candidates)
        candidateIDs.insert(c.id());
    const SidecarMatcher::Result matched = SidecarMatcher::match(clipOrder::order(files), rules);
    for (const Clip& shortClip : skip.clips) {
        const auto sidecars = matched.sidecars.constFind(shortClip.id());
        if (sidecars == matched.sidecars.cend())
            continue;
        for (const SidecarMatcher::Sidecar& sidecar : *sidecars) {
            if (!candidateIDs.contains(sidecar.file.id()))
                continue;
            skip.ids.insert(sidecar.file.id());
            ++skip.sidecarCounts[shortClip.id()];
        }
    }
    return skip;
}

} // namespace stowly
