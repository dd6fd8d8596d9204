#pragma once

namespace stowly {

class Console;
struct Invocation;

// Checks a folder against its ASC MHL history and, with --record, appends the result to it.
namespace VerifyCommand {
int run(const Invocation& invocation, Console& console);
} // namespace VerifyCommand

} // namespace stowly
