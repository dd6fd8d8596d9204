#pragma once

namespace stowly {

class Console;
class SignalWatcher;
struct Invocation;

// The commands about cards and their history: list the cards (mounted or not), mount one, show or
// forget what was offloaded, erase a card that is safe to erase, eject one. Each returns the exit
// status.
namespace CardCommands {
int cards(const Invocation& invocation, Console& console, SignalWatcher& signals);
int history(const Invocation& invocation, Console& console, SignalWatcher& signals);
int forget(const Invocation& invocation, Console& console, SignalWatcher& signals);
int format(const Invocation& invocation, Console& console, SignalWatcher& signals);
int eject(const Invocation& invocation, Console& console, SignalWatcher& signals);
int mount(const Invocation& invocation, Console& console, SignalWatcher& signals);
} // namespace CardCommands

} // namespace stowly
