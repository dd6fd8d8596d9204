#include "copy/Xxh128.h"

#include <xxhash.h>

#include <new>

namespace stowly {

Xxh128::Xxh128() : m_state(XXH3_createState()) {
    if (!m_state || XXH3_128bits_reset(m_state) != XXH_OK)
        throw std::bad_alloc();
}

Xxh128::~Xxh128() {
    XXH3_freeState(m_state);
}

void Xxh128::update(const char* data, qsizetype size) {
    XXH3_128bits_update(m_state, data, size_t(size));
}

QByteArray Xxh128::finish() {
    XXH128_canonical_t canonical;
    XXH128_canonicalFromHash(&canonical, XXH3_128bits_digest(m_state));
    return QByteArray(reinterpret_cast<const char*>(canonical.digest), sizeof canonical.digest);
}

} // namespace stowly
