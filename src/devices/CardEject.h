#pragma once

#include "media/CardVolume.h"

#include <optional>

namespace stowly {

class CommandRunning;

// Ejecting a card: every volume of its disk is unmounted and the disk powered off (a disk
// image is detached). Blocks; run it on a worker thread.
namespace CardEject {
// None on success, else the failure's description (a whole sentence).
std::optional<QString> ejectDisk(const CardVolume& card, CommandRunning& runner);
} // namespace CardEject

} // namespace stowly
