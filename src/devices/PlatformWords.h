#pragma once

#include <QString>

namespace stowly::platformWords {

// How texts name the computer and its operating system, kept in one place so that another
// platform words them its own way.
inline QString computer() {
    return QStringLiteral("computer");
}
inline QString system() {
    return QStringLiteral("Linux");
}

} // namespace stowly::platformWords
