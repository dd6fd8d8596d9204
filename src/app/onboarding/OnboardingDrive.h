#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace stowly {

class VolumeFacts;

// A drive the wizard offers as the place for the first destination folder.
struct OnboardingDrive {
    QString name;
    // "Internal" or "External".
    QString kind;
    // The folder offered on it: the user's movies folder on the start-up volume, the drive's
    // own root elsewhere.
    QString suggestedPath;
    std::optional<qint64> totalBytes;
    std::optional<qint64> freeBytes;
    // Only the start-up volume.
    bool isInternal = false;

    // The start-up volume and the fixed drives mounted where removable media go (not cards,
    // disk images, backup disks or anything read-only), external drives first and the
    // start-up volume last.
    static QList<OnboardingDrive> live(const VolumeFacts& facts);
    static QList<OnboardingDrive> live();

    // The user's movies folder, else "Movies" in the home folder.
    static QString moviesFolder();

    friend bool operator==(const OnboardingDrive&, const OnboardingDrive&) = default;
};

} // namespace stowly
