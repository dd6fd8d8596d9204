#include "app/prompts/ImportPromptPolicy.h"

#include "base/EnumNames.h"
#include "devices/VolumePaths.h"
#include "devices/VolumeTraits.h"

namespace stowly {

QString ImportPromptPolicy::reasonName(Reason reason) {
    return enumNames::name(reason);
}

QString ImportPromptPolicy::Verdict::text() const {
    return skip ? QStringLiteral("skip(") + reasonName(*skip) + u')' : QStringLiteral("prompt");
}

ImportPromptPolicy::Verdict ImportPromptPolicy::verdict(const VolumeTraits& traits,
                                                        const QString& identity,
                                                        const QStringList& destinationPaths,
                                                        const QSet<QString>& ignored,
                                                        bool looksLikeCameraMedia) {
    if (!VolumePaths::isUnderMountRoots(traits.path) || traits.isRootFileSystem)
        return Verdict::skipping(Reason::system);
    if (!traits.isLocal)
        return Verdict::skipping(Reason::network);
    if (traits.isDiskImage)
        return Verdict::skipping(Reason::diskImage);
    if (!traits.isRemovable && (traits.isInternal.value_or(false) || !traits.isEjectable))
        return Verdict::skipping(Reason::notExternal);
    if (traits.isBackup)
        return Verdict::skipping(Reason::backup);
    for (const QString& destination : destinationPaths)
        if (!destination.isEmpty() && VolumePaths::isOnVolume(destination, traits.path))
            return Verdict::skipping(Reason::destination);
    if (ignored.contains(identity))
        return Verdict::skipping(Reason::ignored);
    if (!looksLikeCameraMedia)
        return Verdict::skipping(Reason::notCameraMedia);
    return Verdict::prompt();
}

} // namespace stowly
