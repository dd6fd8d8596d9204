#pragma once

namespace stowly {

class Console;
class SignalWatcher;
struct Invocation;

// The road of one card from the command line: scan it, show the plan, or offload it, each
// with the run options applied for this run only. Each returns the exit status.
namespace OffloadCommands {
int scan(const Invocation& invocation, Console& console, SignalWatcher& signals);
int plan(const Invocation& invocation, Console& console, SignalWatcher& signals);
int offload(const Invocation& invocation, Console& console, SignalWatcher& signals);
} // namespace OffloadCommands

} // namespace stowly
