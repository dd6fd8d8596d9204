#pragma once

namespace stowly {

class Console;
class SignalWatcher;
struct Invocation;

// Lists, shows and changes the preferences the desktop app uses, under their stored keys.
// A value is checked before it is stored; a naming template is stored only when it parses.
namespace SettingsCommand {
int run(const Invocation& invocation, Console& console, SignalWatcher& signals);
} // namespace SettingsCommand

} // namespace stowly
