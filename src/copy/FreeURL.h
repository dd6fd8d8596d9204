#pragma once

#include <QString>

namespace stowly {

// The path itself when neither it nor its partial file exists, else the first free
// "<stem>_N<ext>" from N = 2. Looked up at the last moment before a copy, so names that
// appeared since planning are avoided.
QString freeURL(const QString& path);

} // namespace stowly
