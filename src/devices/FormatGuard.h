#pragma once

#include "devices/DiskFacts.h"

#include <QString>

#include <optional>

namespace stowly {

// The checks that stand between a card and its erase.
class FormatGuard {
public:
    // The first reason not to erase the card, or none. expectedMountPoint is where the card
    // was when the user chose to erase it; boot and destination are the facts of the startup
    // disk and of the volume holding the destination folder, when known.
    static std::optional<QString> refusal(const DiskFacts& card, const QString& expectedMountPoint,
                                          const std::optional<DiskFacts>& boot,
                                          const std::optional<DiskFacts>& destination,
                                          const std::optional<QString>& destinationPath);

    static QString locationChanged();
    static QString onlyMemoryCards();
    static QString mountedTwice();
    static QString startupDisk();
    static QString partOfComputer();
    static QString onlyRemovable();
    static QString destinationOnCard();
    static QString destinationOnSameDrive();
};

} // namespace stowly
