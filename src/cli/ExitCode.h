#pragma once

namespace stowly::exitCode {

// The statuses scripts test for.
constexpr int done = 0;
// Some file failed, or a format or eject was refused or failed.
constexpr int failed = 1;
constexpr int usage = 2;
// The offload cannot start; the reason is on standard error.
constexpr int blocked = 3;
// Stopped by SIGINT or SIGTERM, the way shells report an interrupt.
constexpr int interrupted = 130;

} // namespace stowly::exitCode
