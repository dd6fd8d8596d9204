#include "base/StableHash.h"

#include <QByteArray>

namespace stowly {

std::uint64_t StableHash::of(QStringView text) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    const QByteArray bytes = text.toUtf8();
    for (const char byte : bytes) {
        hash ^= std::uint8_t(byte);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

} // namespace stowly
