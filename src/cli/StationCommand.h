#pragma once

namespace stowly {

class Console;
class SignalWatcher;
struct Invocation;

// A machine that offloads every card put into it: watches for cards and offloads each by the
// rules (or one preset for all), telling each step on its own line, until it is stopped.
namespace StationCommand {
int run(const Invocation& invocation, Console& console, SignalWatcher& signals);
} // namespace StationCommand

} // namespace stowly
