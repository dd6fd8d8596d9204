#pragma once

#include <QString>

namespace stowly {

// Whether udev is at work. Its links under /dev/disk and its database outlive it (a container
// that ran it once, a daemon that was stopped), so only its control socket answering tells.
namespace udevDaemon {
bool isRunning(const QString& controlSocket);
} // namespace udevDaemon

} // namespace stowly
