#include "copy/LeftPartials.h"

#include <mutex>
#include <utility>

namespace stowly {
namespace {

std::mutex leftMutex;
QStringList left;

} // namespace

void LeftPartials::add(const QString& destination) {
    const std::lock_guard lock(leftMutex);
    if (!left.contains(destination))
        left << destination;
}

QStringList LeftPartials::take() {
    const std::lock_guard lock(leftMutex);
    return std::exchange(left, {});
}

} // namespace stowly
