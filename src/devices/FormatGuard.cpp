#include "devices/FormatGuard.h"

#include "base/PlatformWords.h"
#include "devices/VolumePaths.h"

#include <QCoreApplication>

namespace stowly {

QString FormatGuard::locationChanged() {
    return QCoreApplication::translate("FormatGuard",
                                       "The card’s location changed. Reinsert it and try again.");
}

QString FormatGuard::onlyMemoryCards() {
    return QCoreApplication::translate("FormatGuard", "Stowly only formats memory cards.");
}

QString FormatGuard::mountedTwice() {
    return QCoreApplication::translate(
        "FormatGuard", "This card is mounted in more than one place, so Stowly won’t format it.");
}

QString FormatGuard::conflictingFacts() {
    return QCoreApplication::translate(
        "FormatGuard", "The system gives conflicting answers about this card, so Stowly won’t "
                       "format it.");
}

QString FormatGuard::startupDisk() {
    return QCoreApplication::translate("FormatGuard", "That’s your startup disk.");
}

QString FormatGuard::partOfComputer() {
    return QCoreApplication::translate("FormatGuard",
                                       "This drive is part of your %1, so Stowly won’t format it.")
        .arg(platformWords::computer());
}

QString FormatGuard::onlyRemovable() {
    return QCoreApplication::translate("FormatGuard", "Stowly only formats removable cards.");
}

QString FormatGuard::destinationOnCard() {
    return QCoreApplication::translate("FormatGuard", "Your destination folder is on this card.");
}

QString FormatGuard::destinationOnSameDrive() {
    return QCoreApplication::translate(
        "FormatGuard", "Your destination folder is on the same drive as this card.");
}

std::optional<QString> FormatGuard::refusal(const DiskFacts& card,
                                            const QString& expectedMountPoint,
                                            const std::optional<DiskFacts>& boot,
                                            const std::optional<DiskFacts>& destination,
                                            const std::optional<QString>& destinationPath) {
    if (!card.mountPoint || card.mountPoint->isEmpty() ||
        VolumePaths::normalized(*card.mountPoint) != VolumePaths::normalized(expectedMountPoint))
        return locationChanged();
    const QString mountPoint = VolumePaths::normalized(*card.mountPoint);
    if (card.disagreement)
        return conflictingFacts();
    // Unmounting one place would leave the device busy, or in use, at the other.
    for (const QString& other : card.mountPoints)
        if (VolumePaths::normalized(other) != mountPoint)
            return mountedTwice();
    if (mountPoint == u'/' || !VolumePaths::isUnderMountRoots(mountPoint))
        return onlyMemoryCards();
    if (!card.isPartitionOrImage())
        return onlyMemoryCards();
    if (boot && card.sharesDiskWith(*boot))
        return startupDisk();
    if (card.isOSInternal)
        return partOfComputer();
    if (!card.isRemovable) {
        if (!card.isEjectable && !card.isRemovableOrExternal)
            return onlyRemovable();
        if (card.isInternal)
            return partOfComputer();
    }
    if (destinationPath && VolumePaths::withSlash(VolumePaths::normalized(*destinationPath))
                               .startsWith(VolumePaths::withSlash(mountPoint)))
        return destinationOnCard();
    if (destination) {
        if (destination->deviceIdentifier == card.deviceIdentifier)
            return destinationOnCard();
        if (card.sharesDiskWith(*destination))
            return destinationOnSameDrive();
    }
    return std::nullopt;
}

} // namespace stowly
