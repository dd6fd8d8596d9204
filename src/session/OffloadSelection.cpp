#include "session/OffloadSelection.h"

#include "media/ClipOrder.h"
#include "media/SidecarMatcher.h"

namespace stowly {
namespace {

bool inCategories(const Clip& clip, const QSet<MediaCategory>& categories) {
    return categories.contains(
        mediaCategory::classify(mediaCategory::extensionOf(clip.relativePath)));
}

} // namespace

QSet<QString> OffloadSelection::withSidecars(const QSet<QString>& ids, const QList<Clip>& files,
                                             const FileRules& rules) {
    if (ids.isEmpty())
        return ids;
    QSet<QString> result = ids;
    const SidecarMatcher::Result matched = SidecarMatcher::match(clipOrder::order(files), rules);
    for (const QString& id : ids) {
        const auto sidecars = matched.sidecars.constFind(id);
        if (sidecars == matched.sidecars.cend())
            continue;
        for (const SidecarMatcher::Sidecar& sidecar : *sidecars)
            result.insert(sidecar.file.id());
    }
    return result;
}

OffloadSelection
OffloadSelection::make(const CardInventory& inventory, const QSet<MediaCategory>& categories,
                       ReoffloadMode reoffload, const QSet<QString>& reoffloadIDs,
                       const ShortClipRule& shortRule, const QHash<QString, double>& durations,
                       const QSet<QString>& includedShort, bool includeAll, const FileRules& rules,
                       const DateFilter& dateFilter, const QDateTime& now, const QTimeZone& zone) {
    OffloadSelection selection;
    const QList<Clip> all = inventory.allClips();
    const QSet<QString> excluded = dateFilter.excludedIDs(all, rules, now, zone);
    const QSet<QString> picked = withSidecars(reoffloadIDs, all, rules);

    QList<Clip> candidates;
    int newInCategories = 0;
    for (const Clip& clip : inventory.newFiles) {
        if (!inCategories(clip, categories))
            continue;
        ++newInCategories;
        if (!excluded.contains(clip.id()))
            candidates.append(clip);
    }
    selection.outsideDates = newInCategories - int(candidates.size());
    selection.skippedShort = ShortClipSkip::find(candidates, all, durations, shortRule,
                                                 includedShort, includeAll, rules);
    for (const Clip& clip : candidates)
        if (!selection.skippedShort.ids.contains(clip.id()))
            selection.toCopy.append(clip);

    const auto copyAgain = [&](const Clip& clip) {
        selection.toCopy.append(clip);
        selection.reoffloading.insert(clip.id());
    };
    for (const Clip& clip : inventory.missing) {
        if (!inCategories(clip, categories))
            continue;
        if (reoffload != ReoffloadMode::off && !excluded.contains(clip.id()))
            copyAgain(clip);
        else if (picked.contains(clip.id()))
            copyAgain(clip);
        else if (!excluded.contains(clip.id()))
            ++selection.missingKept;
    }
    for (const Clip& clip : inventory.offloaded) {
        if (!inCategories(clip, categories))
            continue;
        if (reoffload == ReoffloadMode::everything && !excluded.contains(clip.id()))
            copyAgain(clip);
        else if (picked.contains(clip.id()))
            copyAgain(clip);
        else
            ++selection.offloadedKept;
    }
    return selection;
}

} // namespace stowly
