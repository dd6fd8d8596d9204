#pragma once

#include <QTemporaryDir>

#include <memory>

namespace stowly::test {

// A home and XDG folders of the test program's own, so nothing a test does can reach the real
// user's files; gone when the result is. Null when the folder could not be made.
std::unique_ptr<QTemporaryDir> makeTestHome();

} // namespace stowly::test
