#pragma once

#include "devices/DiskFacts.h"

#include <QString>

#include <optional>

namespace stowly {

// The checks that stand between a card and its erase.
namespace FormatGuard {
// The first reason not to erase the card, or none. expectedMountPoint is where the card
// was when the user chose to erase it; boot and destination are the facts of the startup
// disk and of the volume holding the destination folder, when known.
std::optional<QString> refusal(const DiskFacts& card, const QString& expectedMountPoint,
                               const std::optional<DiskFacts>& boot,
                               const std::optional<DiskFacts>& destination,
                               const std::optional<QString>& destinationPath);

QString locationChanged();
QString onlyMemoryCards();
QString mountedTwice();
QString conflictingFacts();
QString startupDisk();
QString partOfComputer();
QString onlyRemovable();
QString destinationOnCard();
QString destinationOnSameDrive();
} // namespace FormatGuard

} // namespace stowly
