#pragma once

#include <QString>

namespace stowly {

// Writes "Stowly-<UTC date>.crash" (signal, version, backtrace) when the process dies of
// SIGSEGV, SIGBUS, SIGILL, SIGFPE or SIGABRT, then lets the signal take its default course so
// the process still ends the way it would have. The next launch offers the report once.
namespace CrashHandler {
// Installs the handler; call once, early, on the main thread. Everything that allocates
// happens here, because the handler itself may only make async-signal-safe calls.
// False when the report folder cannot be made (the signal still ends the process).
bool install();
// `description` is the version line written into every report.
bool install(const QString& folder, const QString& description);
} // namespace CrashHandler

} // namespace stowly
