#pragma once

namespace stowly {

class Console;
class ModelHost;
class SignalWatcher;
struct Invocation;

// The history that several stations share: its state (status), this station's history sent to
// it (import), a station's copies written back as a history file (export), and the listing of
// `history` when there is one.
namespace HistoryServerCommand {
int run(const Invocation& invocation, Console& console, SignalWatcher& signals);
// The copies of every station, of one (--station) or of one card (--card).
int list(const Invocation& invocation, Console& console, ModelHost& host);
} // namespace HistoryServerCommand

} // namespace stowly
