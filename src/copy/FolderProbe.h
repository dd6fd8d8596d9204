#pragma once

#include <QString>

#include <chrono>
#include <functional>

namespace stowly {

// Questions about a destination folder (is it there, how much room has it) asked from a thread
// that must not wait long, the window's among them. A folder on a local drive is asked at once.
// One on a network share is asked on a thread of its own and waited for a short time only: a
// server that froze leaves the question hanging there, not here.
namespace FolderProbe {
// How long a question waits unless told otherwise: 40 ms, which a window can spare; a command
// line program, which has nothing else to do meanwhile, waits longer (a share's client may take
// a moment to reconnect).
std::chrono::milliseconds patience();
void setPatience(std::chrono::milliseconds limit);

// True when `question` ran to its end within `limit`. False when the folder's share did not
// answer in time, and at once while an earlier question to that share still waits for its
// answer. `question` may run on after a false answer, so it keeps what it writes alive itself
// (by value or by a shared pointer), and the caller reads it only after a true answer.
bool answers(const QString& folder, std::function<void()> question,
             std::chrono::milliseconds limit = patience());

// Whether the folder is there as a folder; false too when its share does not answer.
bool isFolder(const QString& folder, std::chrono::milliseconds limit = patience());
} // namespace FolderProbe

} // namespace stowly
