#pragma once

namespace stowly {

class Console;
class SignalWatcher;
struct Invocation;

// The presets the window keeps, listed, shown, saved from the current settings, updated and
// deleted from the command line, so that a machine without a screen can be set up.
namespace PresetsCommand {
int run(const Invocation& invocation, Console& console, SignalWatcher& signals);
} // namespace PresetsCommand

} // namespace stowly
