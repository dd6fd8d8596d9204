#include "devices/CardEject.h"

#include "base/Log.h"
#include "devices/DiskTool.h"

namespace stowly {

std::optional<QString> CardEject::ejectDisk(const CardVolume& card, CommandRunning& runner) {
    const std::optional<QString> failure = DiskTool::platform(runner)->eject(card.url);
    Log::info(Log::Category::app, QStringLiteral("Ejecting ") + card.url + QStringLiteral(": ") +
                                      failure.value_or(QStringLiteral("done")));
    return failure;
}

} // namespace stowly
