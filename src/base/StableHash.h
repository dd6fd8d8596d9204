#pragma once

#include <QStringView>

#include <cstdint>

namespace stowly {

// A hash that is the same on every run and every machine (qHash is seeded per process), for
// things that must look the same each launch, such as a file's placeholder colour.
struct StableHash {
    // 64-bit FNV-1a of the text's UTF-8 bytes.
    static std::uint64_t of(QStringView text);
};

} // namespace stowly
