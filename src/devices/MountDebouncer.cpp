#include "devices/MountDebouncer.h"

namespace stowly {

bool MountDebouncer::shouldPrompt(const QString& key, Clock::time_point now) {
    const auto last = lastPrompt.constFind(key);
    if (last != lastPrompt.cend() && now - *last < interval)
        return false;
    lastPrompt.insert(key, now);
    return true;
}

} // namespace stowly
