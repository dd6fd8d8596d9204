#pragma once

namespace stowly {

class Console;
class SignalWatcher;
struct Invocation;

// Writes the report of an offload, a card, a day or a project into a folder.
namespace ReportCommand {
int run(const Invocation& invocation, Console& console, SignalWatcher& signals);
} // namespace ReportCommand

} // namespace stowly
