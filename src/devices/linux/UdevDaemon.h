#pragma once

#include "devices/linux/LinuxPaths.h"

namespace stowly {

// Whether udev is at work. Its links under /dev/disk and its database outlive it (a container
// that ran it once, a daemon that was stopped), so only its control socket answering tells;
// where the socket is there but only root may use it, its daemon in the process table does.
namespace udevDaemon {
bool isRunning(const LinuxPaths& paths);
} // namespace udevDaemon

} // namespace stowly
