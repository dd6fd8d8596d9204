#pragma once

#include <QStringList>

namespace stowly::test {

// LD_PRELOAD for a child process whose calls libfiu makes fail: the given libraries, behind the
// sanitizer runtime this process runs with, if any. That runtime must come first in a process;
// behind libfiu's preload, whose malloc is not ready that early, the child dies before main.
QString faultPreload(const QStringList& libraries);

} // namespace stowly::test
