#pragma once

namespace stowly {

class Console;
class SignalWatcher;
struct Invocation;

// The rules that offload inserted cards on their own, listed, added and removed from the
// command line; the same store the window's Automatic Offload tab edits.
namespace RulesCommand {
int run(const Invocation& invocation, Console& console, SignalWatcher& signals);
} // namespace RulesCommand

} // namespace stowly
