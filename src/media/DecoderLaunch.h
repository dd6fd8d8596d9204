#pragma once

#include <QByteArrayList>

#include <vector>

namespace stowly::decoderLaunch {

// The program and arguments that start the decoding helper `helper`: inside bubblewrap where it
// is installed and works on this machine (no network, no other processes in sight, an empty
// read-only root holding only the system's programs and libraries, so no home folder), else the
// helper alone. The helper confines itself further either way. Decided once per helper.
QByteArrayList command(const QByteArray& helper);

// Asks the helper to lower its own CPU and I/O priority before it confines itself.
inline constexpr char backgroundArgument[] = "--background";

// `command` as posix_spawn takes it: pointers into its bytes, then a null pointer.
std::vector<char*> argumentVector(const QByteArrayList& command);

} // namespace stowly::decoderLaunch
